// Benchmarks of the session chart on a simulated session of a million samples, drawn at
// 1200 x 800 under the offscreen platform: switching the chart on (building its data and the
// first paint), and the repaints of a zoom and a pan. The closing table gives each one's time
// per sample as a multiple of Filter on the same samples.

#include "bench/RatioReporter.h"

#include "charts/SessionChart.h"
#include "recording/SummaryBuilder.h"
#include "tools/Simulator.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>
#include <boost/date_time/posix_time/posix_time_types.hpp>
#include <boost/make_shared.hpp>

#include <unistd.h>

#include <cstdio>
#include <vector>

namespace {

constexpr std::size_t SessionSamples = 1'000'000;
const QSize ChartSize(1200, 800);

const std::vector<SamplePtr>& Samples()
{
    static const std::vector<SamplePtr> samples = [] {
        const boost::posix_time::ptime start(boost::gregorian::date(2016, 3, 7));
        const std::vector<SampleRecord> records = SimulateSession(2016, SessionSamples, start);
        std::vector<SamplePtr> made;
        made.reserve(records.size());
        for (std::size_t i = 0; i < records.size(); ++i)
            made.push_back(boost::make_shared<CSample>(static_cast<std::int32_t>(i), records[i]));
        return made;
    }();
    return samples;
}

const std::vector<SamplePtr>& Summaries()
{
    static const std::vector<SamplePtr> summaries = BuildSummaries(Samples());
    return summaries;
}

void ReportSamples(benchmark::State& state)
{
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * SessionSamples));
}

// Paints the chart as the screen would, into an image of its size.
void Paint(CSessionChart& chart, QImage& image)
{
    chart.render(&image);
    benchmark::DoNotOptimize(image.constBits());
}

void BM_Filter(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildSummaries(Samples()).size());
    ReportSamples(state);
}

void BM_BuildChartData(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildChartData(Samples().begin(), Samples().end()).RowCount());
    ReportSamples(state);
}

// Switching the chart on: its data from the list, then the first paint.
void ChartAppears(benchmark::State& state, const std::vector<SamplePtr>& entries)
{
    QImage image(ChartSize, QImage::Format_RGB32);
    for (auto _ : state) {
        CSessionChart chart;
        chart.resize(ChartSize);
        chart.SetSamples(entries.begin(), entries.end());
        Paint(chart, image);
    }
    state.counters["entries"] = static_cast<double>(entries.size());
    ReportSamples(state);
}

void BM_ChartAppears(benchmark::State& state)
{
    ChartAppears(state, Samples());
}

void BM_ChartAppearsFiltered(benchmark::State& state)
{
    ChartAppears(state, Summaries());
}

// Repaints after each step that changes the range, starting from the whole session.
template <typename Step>
void Redraws(benchmark::State& state, Step step)
{
    CSessionChart chart;
    chart.resize(ChartSize);
    chart.SetSamples(Samples().begin(), Samples().end());
    QImage image(ChartSize, QImage::Format_RGB32);
    Paint(chart, image);
    int i = 0;
    for (auto _ : state) {
        step(chart, i++);
        Paint(chart, image);
    }
    ReportSamples(state);
}

void BM_RedrawWhole(benchmark::State& state)
{
    Redraws(state, [](CSessionChart& chart, int) { chart.ShowWholeSession(); });
}

// A wheel notch in or out about the middle, in turn, over the whole session and 80 % of it.
void BM_ZoomRedraw(benchmark::State& state)
{
    Redraws(state, [](CSessionChart& chart, int i) {
        const TimeRange whole = WholeRange(chart.Data().first, chart.Data().last);
        const double middle = (whole.from + whole.to) / 2;
        chart.SetVisibleRange(i % 2 ? whole : ZoomedRange(whole, middle, 0.8, whole));
    });
}

// A drag of 40 pixels at a time across a range of half the session.
void BM_PanRedraw(benchmark::State& state)
{
    Redraws(state, [](CSessionChart& chart, int i) {
        const TimeRange whole = WholeRange(chart.Data().first, chart.Data().last);
        const double span = whole.Span() / 2;
        const double offset = (i % 25) * 40 * span / ChartSize.width();
        chart.SetVisibleRange({whole.from + offset, whole.from + offset + span});
    });
}

} // namespace

BENCHMARK(BM_Filter)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BuildChartData)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ChartAppears)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ChartAppearsFiltered)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RedrawWhole)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ZoomRedraw)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PanRedraw)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    const bool terminal = isatty(fileno(stdout));
    RatioReporter reporter("BM_Filter", terminal ? benchmark::ConsoleReporter::OO_ColorTabular
                                                 : benchmark::ConsoleReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
