#pragma once

#include "recording/Sample.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

using SampleIterator = std::vector<SamplePtr>::const_iterator;

enum class WriteOutcome
{
    Written,
    OpenFailed,    // the target's folder took no file
    WriteFailed,   // a write, the sync or the rename failed; the target is as it was
};

// Receives the bytes of a file in chunks; false stops the writing.
using ByteSink = std::function<bool(std::string_view)>;

// The CSV of the samples: the header, then one line per sample.
bool StreamCsv(SampleIterator begin, SampleIterator end, const ByteSink& sink);
// The samples' own records, 20 big-endian bytes each, in order.
bool StreamRecords(SampleIterator begin, SampleIterator end, const ByteSink& sink);

// Writes a file through a temporary file renamed into place when every byte is on disk.
WriteOutcome WriteFileThrough(const std::string& path, const std::function<bool(const ByteSink&)>& produce);
WriteOutcome WriteCsvFile(const std::string& path, SampleIterator begin, SampleIterator end);
WriteOutcome WriteRecordingFile(const std::string& path, SampleIterator begin, SampleIterator end);

// The message for a failed outcome ("Error opening %s" or "Error writing %s"); empty when written.
std::string OutcomeMessage(WriteOutcome outcome, const std::string& path);
