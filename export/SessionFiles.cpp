#include "export/SessionFiles.h"

#include "export/CsvFormat.h"
#include "recording/Messages.h"
#include "recording/SampleIo.h"
#include "settings/SafeFileWrite.h"

namespace {

constexpr std::size_t ChunkSize = 1 << 20;

template <typename AppendOne>
bool StreamChunks(SampleIterator begin, SampleIterator end, std::string chunk, const ByteSink& sink,
                  AppendOne appendOne)
{
    chunk.reserve(ChunkSize + 256);
    for (auto it = begin; it != end; ++it) {
        appendOne(chunk, **it);
        if (chunk.size() >= ChunkSize) {
            if (!sink(chunk))
                return false;
            chunk.clear();
        }
    }
    return chunk.empty() || sink(chunk);
}

} // namespace

bool StreamCsv(SampleIterator begin, SampleIterator end, const ByteSink& sink)
{
    return StreamChunks(begin, end, std::string(CsvHeader()), sink, AppendCsvLine);
}

bool StreamRecords(SampleIterator begin, SampleIterator end, const ByteSink& sink)
{
    return StreamChunks(begin, end, std::string(), sink, [](std::string& out, const CSample& sample) {
        unsigned char bytes[SampleRecord::Size];
        RecordToBytes(sample.Record(), bytes);
        out.append(reinterpret_cast<const char*>(bytes), sizeof bytes);
    });
}

WriteOutcome WriteFileThrough(const std::string& path, const std::function<bool(const ByteSink&)>& produce)
{
    SafeFileWriter writer(path);
    if (!writer.Open())
        return WriteOutcome::OpenFailed;
    const bool produced = produce([&writer](std::string_view bytes) { return writer.Write(bytes); });
    return produced && writer.Commit() ? WriteOutcome::Written : WriteOutcome::WriteFailed;
}

WriteOutcome WriteCsvFile(const std::string& path, SampleIterator begin, SampleIterator end)
{
    return WriteFileThrough(path, [&](const ByteSink& sink) { return StreamCsv(begin, end, sink); });
}

WriteOutcome WriteRecordingFile(const std::string& path, SampleIterator begin, SampleIterator end)
{
    return WriteFileThrough(path, [&](const ByteSink& sink) { return StreamRecords(begin, end, sink); });
}

std::string OutcomeMessage(WriteOutcome outcome, const std::string& path)
{
    switch (outcome) {
    case WriteOutcome::OpenFailed: return Messages::WithPath(Messages::ErrorOpening, path);
    case WriteOutcome::WriteFailed: return Messages::WithPath(Messages::ErrorWriting, path);
    case WriteOutcome::Written: break;
    }
    return {};
}
