#include "recording/SampleIo.h"

#include <boost/make_shared.hpp>

#include <istream>
#include <ostream>

SamplePtr ReadSample(std::istream& in)
{
    // A failed stream reports position -1, which gives index 0.
    const std::streamoff position = in.tellg();
    unsigned char bytes[SampleRecord::Size] = {};
    in.read(reinterpret_cast<char*>(bytes), SampleRecord::Size);
    const std::streamoff index = position / static_cast<std::streamoff>(SampleRecord::Size);
    return boost::make_shared<CSample>(static_cast<std::int32_t>(index), RecordFromBytes(bytes));
}

void WriteSample(std::ostream& out, const CSample& sample)
{
    unsigned char bytes[SampleRecord::Size];
    RecordToBytes(sample.Record(), bytes);
    out.write(reinterpret_cast<const char*>(bytes), SampleRecord::Size);
}

SampleRecord RecordFromBytes(const unsigned char* bytes)
{
    SampleRecord record;
    for (std::uint32_t& word : record.words) {
        word = WordFromBytes(bytes);
        bytes += 4;
    }
    return record;
}

void RecordToBytes(const SampleRecord& record, unsigned char* bytes)
{
    for (const std::uint32_t word : record.words) {
        bytes[0] = static_cast<unsigned char>(word >> 24);
        bytes[1] = static_cast<unsigned char>(word >> 16);
        bytes[2] = static_cast<unsigned char>(word >> 8);
        bytes[3] = static_cast<unsigned char>(word);
        bytes += 4;
    }
}
