// Benchmarks of the recording core on simulated recordings. Each reports items (records or
// samples) and bytes processed, all on wall-clock time; the closing table gives each one's time
// per record as a multiple of reading the file into memory.

#include "bench/BenchRecordings.h"
#include "bench/RatioReporter.h"

#include "recording/RecordingFile.h"
#include "recording/SampleRecord.h"
#include "recording/Segmentation.h"
#include "recording/SessionSamples.h"
#include "recording/SummaryBuilder.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

void ReportRecords(benchmark::State& state, std::uint64_t records)
{
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * records));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * records * SampleRecord::Size));
}

void BM_ReadFileIntoMemory(benchmark::State& state)
{
    const auto& path = BenchRecordings::Get().recordingPath;
    const auto size = std::filesystem::file_size(path);
    // Allocated once, so that the figure is the read and not the first touch of fresh pages.
    std::vector<char> bytes(size);
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        in.read(bytes.data(), static_cast<std::streamsize>(size));
        benchmark::DoNotOptimize(bytes.data());
    }
    ReportRecords(state, size / SampleRecord::Size);
}

void BM_OpenAndSegment(benchmark::State& state)
{
    const std::string path = BenchRecordings::Get().recordingPath.string();
    std::int64_t sessions = 0;
    for (auto _ : state) {
        OpenedRecording recording;
        std::string error;
        if (!OpenRecording(path, recording, error)) {
            state.SkipWithError(error.c_str());
            return;
        }
        sessions = 0;
        SegmentSessions(recording.file, [&](const SessionPtr&) { ++sessions; });
    }
    state.counters["sessions"] = static_cast<double>(sessions);
    ReportRecords(state, BenchRecordings::RecordingRecords);
}

// Opens the single-session recording and finds its session; false with the reason in error.
bool OpenSessionRecording(OpenedRecording& recording, SessionPtr& session, std::string& error)
{
    if (!OpenRecording(BenchRecordings::Get().sessionPath.string(), recording, error))
        return false;
    int sessions = 0;
    SegmentSessions(recording.file, [&](const SessionPtr& found) {
        session = found;
        ++sessions;
    });
    if (sessions != 1)
        error = "the session recording does not hold exactly one session";
    return sessions == 1;
}

void BM_ReadSessionSamples(benchmark::State& state)
{
    OpenedRecording recording;
    SessionPtr session;
    std::string error;
    if (!OpenSessionRecording(recording, session, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    for (auto _ : state) {
        std::vector<SamplePtr> samples;
        if (!ReadSessionSamples(recording.file, *session, samples)) {
            state.SkipWithError("the session could not be read whole");
            return;
        }
        benchmark::DoNotOptimize(samples.data());
    }
    ReportRecords(state, session->SampleCount);
}

void BM_Filter(benchmark::State& state)
{
    OpenedRecording recording;
    SessionPtr session;
    std::string error;
    std::vector<SamplePtr> samples;
    if (!OpenSessionRecording(recording, session, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    if (!ReadSessionSamples(recording.file, *session, samples)) {
        state.SkipWithError("the session could not be read whole");
        return;
    }
    std::size_t summaries = 0;
    for (auto _ : state)
        summaries = BuildSummaries(samples).size();
    state.counters["summaries"] = static_cast<double>(summaries);
    ReportRecords(state, samples.size());
}

} // namespace

BENCHMARK(BM_ReadFileIntoMemory)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenAndSegment)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadSessionSamples)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Filter)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    const bool terminal = isatty(fileno(stdout));
    RatioReporter reporter("BM_ReadFileIntoMemory", terminal ? benchmark::ConsoleReporter::OO_ColorTabular
                                                             : benchmark::ConsoleReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
