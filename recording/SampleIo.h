#pragma once

#include "recording/Sample.h"

#include <iosfwd>

// Reads the record at the stream's position. Does not check the stream: a short read leaves
// the missing bytes zero and the stream failed.
SamplePtr ReadSample(std::istream& in);

// Writes the sample's own record as 20 big-endian bytes; errors show in the stream's state.
void WriteSample(std::ostream& out, const CSample& sample);

// One big-endian word.
inline std::uint32_t WordFromBytes(const unsigned char* bytes)
{
    return std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 | std::uint32_t{bytes[2]} << 8
         | std::uint32_t{bytes[3]};
}

// Big-endian conversion of a whole record.
SampleRecord RecordFromBytes(const unsigned char* bytes);
void RecordToBytes(const SampleRecord& record, unsigned char* bytes);
