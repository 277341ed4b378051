// Benchmarks of a session window on one simulated session of a million samples: opening it
// with Expand Session up to the shown window, switching Filter on and off, and the memory a
// row costs beyond the samples themselves. All on wall-clock time, under the offscreen
// platform unless another is asked for.

#include "app/KoveloApp.h"
#include "framework/DocTemplate.h"
#include "framework/FrameWnd.h"
#include "framework/UserInteraction.h"
#include "framework/View.h"
#include "recording/RecordingFile.h"
#include "recording/SessionSamples.h"
#include "tools/RecordBuilder.h"
#include "tools/Simulator.h"
#include "windows/KoveloView.h"
#include "windows/SessionDoc.h"
#include "windows/SessionFrame.h"
#include "windows/SessionView.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <boost/date_time/posix_time/posix_time_types.hpp>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>

namespace {

constexpr std::size_t SessionSamples = 1'000'000;

// Resident set size of the process in bytes.
double ResidentBytes()
{
    std::ifstream statm("/proc/self/statm");
    long total = 0;
    long resident = 0;
    statm >> total >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE));
}

double SecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Messages go to the error stream; every dialog is cancelled.
class QuietInteraction : public IUserInteraction
{
public:
    void MessageBox(const QString& text, MessageIcon) override { std::cerr << text.toStdString() << '\n'; }
    std::optional<QString> OpenFileName(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> SaveFileName(const FileDialogRequest&) override { return std::nullopt; }
    bool ConfirmOverwrite(const QString&) override { return false; }
    void ShowDialog(QWidget*) override {}
};

// Kovelo started in a scratch folder on a recording of one session, as a user opens it.
class SessionBench
{
public:
    static SessionBench& Get()
    {
        if (!instance)
            instance.reset(new SessionBench);
        return *instance;
    }
    static void Release() { instance.reset(); }

    ~SessionBench()
    {
        if (m_app->m_pMainWnd)
            m_app->m_pMainWnd->close();
        Flush();
        m_app->ExitInstance();
        m_app.reset();
        Flush();
        SetUserInteraction(nullptr);
    }

    CKoveloView* MainView() const
    {
        return m_app->m_pMainWnd ? dynamic_cast<CKoveloView*>(m_app->m_pMainWnd->GetActiveView()) : nullptr;
    }

    // Expands the session; its window, or null when none opened.
    CSessionFrame* Expand() const
    {
        CKoveloView* view = MainView();
        view->m_sessionList.SelectItem(0);
        view->OnExpandSession();
        const auto& documents = view->m_pSessionTemplate->GetDocuments();
        if (documents.empty() || documents.back()->Views().empty())
            return nullptr;
        return dynamic_cast<CSessionFrame*>(documents.back()->Views().front()->GetParentFrame());
    }

    static CSessionDoc& DocOf(CSessionFrame* frame)
    {
        return *static_cast<CSessionDoc*>(frame->GetActiveDocument());
    }

    static void Close(CSessionFrame* frame)
    {
        frame->close();
        Flush();
    }

    // Runs the posted deletions, the show and the paint of what changed.
    static void Flush()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    std::string recordingPath;
    bool ready = false;

private:
    SessionBench()
    {
        SetUserInteraction(&m_ui);
        qputenv("XDG_CONFIG_HOME", m_dir.filePath(QStringLiteral("config")).toUtf8());
        qputenv("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("data")).toUtf8());

        const boost::posix_time::ptime start(boost::gregorian::date(2016, 3, 7));
        const std::string bytes = RecordBytes(SimulateSession(2016, SessionSamples, start));
        QFile file(m_dir.filePath(QStringLiteral("session.kvd")));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), static_cast<qint64>(bytes.size()))
                                                    != static_cast<qint64>(bytes.size()))
            return;
        file.close();
        recordingPath = file.fileName().toStdString();

        AppEnvironment environment;
        environment.executablePath = m_dir.filePath(QStringLiteral("Kovelo"));
        environment.configHome = m_dir.filePath(QStringLiteral("config"));
        environment.arguments = {file.fileName()};
        environment.integrateWithDesktop = false;
        m_app = std::make_unique<CKoveloApp>(std::move(environment));
        ready = m_app->InitInstance() && MainView() && MainView()->m_sessionList.GetItemCount() == 1;
        Flush();
    }

    static inline std::unique_ptr<SessionBench> instance;

    QTemporaryDir m_dir;
    QuietInteraction m_ui;
    std::unique_ptr<CKoveloApp> m_app;
};

// The resident memory that Expand adds per row, against reading the same samples alone.
// Runs first, on a heap that no earlier window has left free blocks in.
void BM_ExpandMemoryPerRow(benchmark::State& state)
{
    SessionBench& bench = SessionBench::Get();
    if (!bench.ready) {
        state.SkipWithError("Kovelo did not open the session recording");
        return;
    }
    for (auto _ : state) {
        OpenedRecording recording;
        std::string error;
        if (!OpenRecording(bench.recordingPath, recording, error)) {
            state.SkipWithError(error.c_str());
            return;
        }
        bench.MainView()->m_sessionList.SelectItem(0);
        const SessionPtr session = bench.MainView()->m_sessionList.GetSelectedSession();
        const double before = ResidentBytes();
        std::vector<SamplePtr> samples;
        ReadSessionSamples(recording.file, *session, samples);
        const double afterRead = ResidentBytes();
        const auto start = std::chrono::steady_clock::now();
        CSessionFrame* frame = bench.Expand();
        SessionBench::Flush();
        const double expandSeconds = SecondsSince(start);
        const double afterExpand = ResidentBytes();
        if (!frame || samples.size() != SessionSamples) {
            state.SkipWithError("the session did not open whole");
            return;
        }
        const double rows = static_cast<double>(SessionSamples);
        // What the samples cost: the objects with their shared counts, without the pointer array.
        const double sampleBytes = (afterRead - before) / rows - sizeof(SamplePtr);
        const double expandBytes = (afterExpand - afterRead) / rows;
        state.counters["expand_B_per_row"] = expandBytes;
        state.counters["sample_B_per_row"] = sampleBytes;
        state.counters["beyond_samples_B_per_row"] = expandBytes - sampleBytes;
        // The first window of the process also pays for fresh pages.
        state.counters["first_expand_s"] = expandSeconds;
        samples.clear();
        SessionBench::Close(frame);
    }
}

void BM_ExpandSession(benchmark::State& state)
{
    SessionBench& bench = SessionBench::Get();
    if (!bench.ready) {
        state.SkipWithError("Kovelo did not open the session recording");
        return;
    }
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        CSessionFrame* frame = bench.Expand();
        SessionBench::Flush();
        state.SetIterationTime(SecondsSince(start));
        if (!frame || !frame->isVisible()) {
            state.SkipWithError("no session window was shown");
            return;
        }
        SessionBench::Close(frame);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * SessionSamples));
}

// Times the switch of Filter to on (or off) in an open window, with the list shown again.
void FilterSwitch(benchmark::State& state, bool toOn)
{
    SessionBench& bench = SessionBench::Get();
    CSessionFrame* frame = bench.ready ? bench.Expand() : nullptr;
    if (!frame) {
        state.SkipWithError("no session window was shown");
        return;
    }
    SessionBench::Flush();
    CSessionDoc& document = SessionBench::DocOf(frame);
    const CSampleListCtrl& list = dynamic_cast<CSessionView*>(frame->GetActiveView())->m_sampleList;
    if (!toOn)
        document.OnFilter();
    int rows = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        document.OnFilter();
        SessionBench::Flush();
        state.SetIterationTime(SecondsSince(start));
        rows = list.GetItemCount();
        document.OnFilter();
        SessionBench::Flush();
    }
    state.counters["rows"] = rows;
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * SessionSamples));
    SessionBench::Close(frame);
}

void BM_FilterOn(benchmark::State& state) { FilterSwitch(state, true); }
void BM_FilterOff(benchmark::State& state) { FilterSwitch(state, false); }

} // namespace

BENCHMARK(BM_ExpandMemoryPerRow)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ExpandSession)->Iterations(3)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_FilterOn)->Iterations(5)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_FilterOff)->Iterations(5)->Unit(benchmark::kMillisecond)->UseManualTime();

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    SessionBench::Release();
    benchmark::Shutdown();
    return 0;
}
