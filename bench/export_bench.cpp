// Benchmarks of CSV export and session extraction on one simulated session of a million
// samples, each against writing the same number of bytes that are already at hand. Every
// file goes through a temporary file that is synced and renamed into place, as the commands
// write them. The closing table gives the pairs as ratios and the aims they are held to.

#include "export/SessionFiles.h"
#include "recording/RecordingFile.h"
#include "recording/Segmentation.h"
#include "recording/SessionSamples.h"
#include "settings/SafeFileWrite.h"
#include "tools/RecordBuilder.h"
#include "tools/Simulator.h"

#include <benchmark/benchmark.h>

#include <boost/date_time/posix_time/posix_time_types.hpp>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr std::size_t SessionSamples = 1'000'000;

// The session read into memory as a session window holds it, with the bytes of its CSV and
// of its records; made once, its folder removed when the program ends.
class PreparedSession
{
public:
    static const PreparedSession& Get()
    {
        static const PreparedSession session;
        return session;
    }

    ~PreparedSession()
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    std::string Target(const char* name) const { return (folder / name).string(); }

    std::filesystem::path folder;
    std::vector<SamplePtr> samples;
    std::string csvBytes;
    std::string recordBytes;

private:
    PreparedSession()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "kovelo-bench-export-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot make a temporary folder");
        folder = pattern;

        const boost::posix_time::ptime start(boost::gregorian::date(2016, 3, 7));
        recordBytes = RecordBytes(SimulateSession(2016, SessionSamples, start));
        const std::string path = Target("session.kvd");
        std::ofstream(path, std::ios::binary).write(recordBytes.data(), static_cast<std::streamsize>(recordBytes.size()));

        OpenedRecording recording;
        std::string error;
        if (!OpenRecording(path, recording, error))
            throw std::runtime_error(error);
        SessionPtr session;
        SegmentSessions(recording.file, [&](const SessionPtr& found) { session = found; });
        if (!session || static_cast<std::size_t>(session->SampleCount) != SessionSamples
            || !ReadSessionSamples(recording.file, *session, samples))
            throw std::runtime_error("the simulated session could not be read whole");

        StreamCsv(samples.begin(), samples.end(), [this](std::string_view bytes) {
            csvBytes.append(bytes);
            return true;
        });
    }
};

void Report(benchmark::State& state, std::size_t bytes)
{
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * SessionSamples));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

// The bytes in one write through the safe writer.
void WriteBytes(benchmark::State& state, const std::string& target, const std::string& bytes)
{
    for (auto _ : state) {
        SafeFileWriter writer(target);
        if (!writer.Open() || !writer.Write(bytes) || !writer.Commit()) {
            state.SkipWithError("the write failed");
            return;
        }
    }
    Report(state, bytes.size());
}

void BM_BufferedWrite(benchmark::State& state)
{
    const PreparedSession& session = PreparedSession::Get();
    WriteBytes(state, session.Target("buffered.csv"), session.csvBytes);
}

void BM_ExportCsv(benchmark::State& state)
{
    const PreparedSession& session = PreparedSession::Get();
    const std::string target = session.Target("export.csv");
    for (auto _ : state) {
        if (WriteCsvFile(target, session.samples.begin(), session.samples.end()) != WriteOutcome::Written) {
            state.SkipWithError("the export failed");
            return;
        }
    }
    Report(state, session.csvBytes.size());
}

void BM_FormatCsvOnly(benchmark::State& state)
{
    const PreparedSession& session = PreparedSession::Get();
    for (auto _ : state) {
        std::size_t size = 0;
        StreamCsv(session.samples.begin(), session.samples.end(), [&size](std::string_view bytes) {
            size += bytes.size();
            return true;
        });
        benchmark::DoNotOptimize(size);
    }
    Report(state, session.csvBytes.size());
}

void BM_CopyRecordingBytes(benchmark::State& state)
{
    const PreparedSession& session = PreparedSession::Get();
    WriteBytes(state, session.Target("copy.kvd"), session.recordBytes);
}

void BM_ExtractRecording(benchmark::State& state)
{
    const PreparedSession& session = PreparedSession::Get();
    const std::string target = session.Target("extract.kvd");
    for (auto _ : state) {
        if (WriteRecordingFile(target, session.samples.begin(), session.samples.end()) != WriteOutcome::Written) {
            state.SkipWithError("the extraction failed");
            return;
        }
    }
    Report(state, session.recordBytes.size());
}

// The console report, then each measured benchmark against its baseline and the aim.
class AimReporter : public benchmark::ConsoleReporter
{
public:
    using ConsoleReporter::ConsoleReporter;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred || (run.run_type == Run::RT_Aggregate && run.aggregate_name != "mean"))
                continue;
            if (run.iterations > 0)
                m_seconds[run.run_name.function_name] = run.GetAdjustedRealTime() / 1e3;   // reported in ms
        }
    }

    void Finalize() override
    {
        struct Aim
        {
            const char* measured;
            const char* baseline;
            double ratio;     // at most this multiple of the baseline; 0: no aim
            double seconds;   // at most this long; 0: no aim
        };
        const Aim aims[] = {
            {"BM_ExportCsv", "BM_BufferedWrite", 5.0, 1.5},
            {"BM_FormatCsvOnly", "BM_BufferedWrite", 0.0, 0.0},
            {"BM_ExtractRecording", "BM_CopyRecordingBytes", 2.0, 0.0},
        };
        std::ostream& out = GetOutputStream();
        out << std::fixed << std::setprecision(2) << "\nAgainst the baselines (one session of " << SessionSamples
            << " samples):\n";
        for (const Aim& aim : aims) {
            const auto measured = m_seconds.find(aim.measured);
            const auto baseline = m_seconds.find(aim.baseline);
            if (measured == m_seconds.end() || baseline == m_seconds.end())
                continue;
            const double ratio = measured->second / baseline->second;
            out << "  " << std::left << std::setw(22) << aim.measured << std::right << std::setw(8)
                << measured->second << " s " << std::setw(7) << ratio << "x " << aim.baseline;
            if (aim.ratio > 0 || aim.seconds > 0) {
                const bool met = (aim.ratio == 0 || ratio <= aim.ratio)
                              && (aim.seconds == 0 || measured->second <= aim.seconds);
                out << "   aim";
                if (aim.ratio > 0)
                    out << " <= " << std::setprecision(1) << aim.ratio << "x";
                if (aim.seconds > 0)
                    out << ", <= " << std::setprecision(1) << aim.seconds << " s";
                out << std::setprecision(2) << (met ? ": met" : ": MISSED");
            }
            out << '\n';
        }
    }

private:
    std::map<std::string, double> m_seconds;   // real time per iteration, by benchmark
};

} // namespace

BENCHMARK(BM_BufferedWrite)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ExportCsv)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FormatCsvOnly)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CopyRecordingBytes)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ExtractRecording)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    AimReporter reporter(isatty(fileno(stdout)) ? benchmark::ConsoleReporter::OO_ColorTabular
                                                : benchmark::ConsoleReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
