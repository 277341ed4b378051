#include "charts/ChartData.h"
#include "charts/ChartTicks.h"
#include "charts/Decimation.h"
#include "recording/SampleText.h"
#include "recording/SummaryBuilder.h"
#include "test_recordings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// Seconds since 2000 of 2016-03-07 10:00:00 plus the given seconds.
double At10(double seconds)
{
    return ChartSeconds(MakeSample(At(10, 0, 0))->GetTime()) + seconds;
}

RecordFields Sample(int second, std::uint32_t oc, std::uint32_t odc = 0, int chargeRate = 0)
{
    RecordFields f = At(10, 0, second);
    f.ocMask = oc;
    f.odcMask = odc;
    f.chargeRate = chargeRate;
    return f;
}

std::vector<SamplePtr> Samples(const std::vector<RecordFields>& fields)
{
    std::vector<SamplePtr> samples;
    for (const RecordFields& f : fields)
        samples.push_back(MakeSample(f, static_cast<std::int32_t>(samples.size())));
    return samples;
}

std::vector<float> Values(const ValueSeries& series)
{
    std::vector<float> values;
    for (std::size_t i = 0; i < series.Size(); ++i)
        values.push_back(series[i]);
    return values;
}

TEST(ValueSeries, ExtremesOfAnyStretchMatchAScanOfItsValues)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<float> value(-100, 100);
    std::vector<float> values(3000);
    for (float& v : values)
        v = value(random);
    const ValueSeries series(values);
    // Stretches inside one block, across block edges and over many levels.
    std::vector<std::pair<std::size_t, std::size_t>> stretches = {
        {0, 0}, {0, 1}, {5, 63}, {63, 65}, {64, 128}, {0, 3000}, {1, 2999}, {127, 2049}, {2048, 3000}};
    std::uniform_int_distribution<std::size_t> index(0, values.size());
    for (int i = 0; i < 500; ++i) {
        std::size_t a = index(random);
        std::size_t b = index(random);
        stretches.emplace_back(std::min(a, b), std::max(a, b));
    }
    for (const auto& [first, last] : stretches) {
        SCOPED_TRACE(testing::Message() << first << ".." << last);
        const ValueSpan span = series.Extremes(first, last);
        if (first == last) {
            EXPECT_TRUE(span.Empty());
            continue;
        }
        EXPECT_EQ(span.low, *std::min_element(values.begin() + first, values.begin() + last));
        EXPECT_EQ(span.high, *std::max_element(values.begin() + first, values.begin() + last));
    }
}

TEST(Decimation, FewPointsAreDrawnAllWithTheNeighboursOutsideTheRange)
{
    const std::vector<double> times = {0, 10, 20, 30, 40, 50};
    const ValueSeries values(std::vector<float>{1, 2, 3, 4, 5, 6});
    EXPECT_THAT(DecimatedPoints(times, values, {15, 35}, 100),
                ElementsAre(ChartPoint{10, 2}, ChartPoint{20, 3}, ChartPoint{30, 4}, ChartPoint{40, 5}));
    EXPECT_THAT(DecimatedPoints(times, values, {-5, 5}, 100), ElementsAre(ChartPoint{0, 1}, ChartPoint{10, 2}));
    EXPECT_TRUE(DecimatedPoints(times, values, {15, 35}, 0).empty());
    EXPECT_TRUE(DecimatedPoints({}, ValueSeries(), {0, 10}, 100).empty());
}

TEST(Decimation, ManyPointsGiveEachColumnItsFirstLowestHighestAndLast)
{
    // 10000 points one second apart, a zigzag with one spike, on 10 columns of 1000 s.
    std::vector<double> times;
    std::vector<float> raw;
    for (int i = 0; i < 10000; ++i) {
        times.push_back(i);
        raw.push_back(i == 4321 ? 500.0f : static_cast<float>(i % 7));
    }
    const ValueSeries values(raw);
    const TimeRange range{0, 10000};
    const int columns = 10;
    const std::vector<ChartPoint> points = DecimatedPoints(times, values, range, columns);
    ASSERT_EQ(points.size(), static_cast<std::size_t>(columns * PointsPerColumn));
    for (int column = 0; column < columns; ++column) {
        SCOPED_TRACE(column);
        const auto first = raw.begin() + column * 1000;
        const auto last = first + 1000;
        const ChartPoint* p = &points[column * PointsPerColumn];
        for (int i = 0; i < PointsPerColumn; ++i)
            EXPECT_DOUBLE_EQ(p[i].time, column * 1000 + 500);
        EXPECT_EQ(p[0].value, *first);
        EXPECT_EQ(p[1].value, *std::min_element(first, last));
        EXPECT_EQ(p[2].value, *std::max_element(first, last));
        EXPECT_EQ(p[3].value, *(last - 1));
    }
    EXPECT_EQ(points[4 * PointsPerColumn + 2].value, 500.0f);

    // A zoomed range keeps the neighbours where they lie.
    const std::vector<ChartPoint> zoomed = DecimatedPoints(times, values, {100.5, 900.5}, 2);
    ASSERT_EQ(zoomed.size(), 2u + 2 * PointsPerColumn);
    EXPECT_EQ(zoomed.front(), (ChartPoint{100, raw[100]}));
    EXPECT_EQ(zoomed.back(), (ChartPoint{901, raw[901]}));
}

TEST(Decimation, VisibleExtremesTakeTheNeighboursOfTheRange)
{
    const std::vector<double> times = {0, 10, 20, 30};
    const ValueSeries values(std::vector<float>{-7, 2, 3, 9});
    const ValueSpan span = VisibleExtremes(times, values, {12, 18});
    EXPECT_EQ(span.low, 2);
    EXPECT_EQ(span.high, 3);
}

TEST(Decimation, CoveredColumnsOfCellRuns)
{
    // Ten columns of ten seconds from 0 to 100.
    struct Case
    {
        const char* name;
        std::vector<CellRun> runs;
        std::vector<ColumnSpan> spans;
    };
    const Case cases[] = {
        {"a run inside one column", {{12, 15}}, {{1, 1}}},
        {"a run of one instant", {{34, 34}}, {{3, 3}}},
        {"a run over columns", {{12, 47}}, {{1, 4}}},
        {"runs in one column make one span", {{51, 52}, {55, 58}}, {{5, 5}}},
        {"runs in neighbouring columns touch", {{11, 19}, {21, 29}}, {{1, 2}}},
        {"a column between runs stays empty", {{11, 19}, {31, 39}}, {{1, 1}, {3, 3}}},
        {"runs cut at the range's ends", {{-50, 5}, {95, 150}}, {{0, 0}, {9, 9}}},
        {"runs outside the range", {{-50, -1}, {101, 150}}, {}},
        {"no runs", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_THAT(CoveredColumns(c.runs, {0, 100}, 10), ElementsAreArray(c.spans));
    }
}

TEST(ChartTicks, TimeStepIsTheFinestThatKeepsLabelsApart)
{
    struct Case
    {
        double span;
        double width;
        double spacing;
        double step;
    };
    const Case cases[] = {
        {10, 1000, 100, 1},            // whole seconds when zoomed in
        {4, 1000, 100, 1},             // never finer than a second
        {30, 1000, 100, 5},            // 3 s would do: 5
        {100, 1000, 100, 10},
        {120, 1000, 100, 15},
        {3600, 1000, 150, 10 * 60},    // 540 s: 10 min
        {5 * 3600, 1000, 150, 3600},   // 2700 s: 1 h
        {3 * 86400, 1000, 150, 12 * 3600},
        {12 * 86400, 1000, 150, 2 * 86400},
        {400 * 86400, 1000, 150, 3 * 28 * 86400},   // past the table: whole multiples of 28 days
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.span << " s on " << c.width << " px");
        EXPECT_EQ(TimeTickStep(c.span, c.width, c.spacing), c.step);
    }
}

TEST(ChartTicks, TickTimesAreTheMultiplesOfTheStepInTheRange)
{
    EXPECT_THAT(TickTimes({100.5, 160}, 15), ElementsAre(105, 120, 135, 150));
    EXPECT_THAT(TickTimes({120, 150}, 15), ElementsAre(120, 135, 150));
    EXPECT_TRUE(TickTimes({101, 104}, 5).empty());
    // Multiples of a day fall on midnights, since the time axis counts from a midnight.
    const double day = 86400;
    EXPECT_EQ(ChartTimeText(TickTimes({At10(0), At10(0) + 2 * day}, day).front()), "2016-Mar-08 00:00:00");
}

TEST(ChartTicks, ValueAxisSpansTheValuesWithAMarginAndNiceTicks)
{
    struct Case
    {
        double low;
        double high;
        int intervals;
        double axisLow;
        double axisHigh;
        std::vector<double> ticks;
    };
    const Case cases[] = {
        {29.3, 32.4, 4, 29.145, 32.555, {30, 31, 32}},
        {20.82, 22.21, 4, 20.7505, 22.2795, {21, 21.5, 22}},
        {-43, 192, 5, -54.75, 203.75, {-50, 0, 50, 100, 150, 200}},
        {-30, 170, 2, -40, 180, {0, 100}},              // 200 is further from 110 than 100 is
        {0, 0, 4, -1, 1, {-1, -0.5, 0, 0.5, 1}},       // a single value gets a margin of its own
        {25, 25, 4, 23.75, 26.25, {24, 24.5, 25, 25.5, 26}},
        {0.001, 0.004, 3, 0.00085, 0.00415, {0.001, 0.002, 0.003, 0.004}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.low << ".." << c.high);
        const ValueAxis axis = NiceValueAxis(c.low, c.high, c.intervals);
        EXPECT_NEAR(axis.low, c.axisLow, 1e-9);
        EXPECT_NEAR(axis.high, c.axisHigh, 1e-9);
        const std::vector<double> ticks = AxisTicks(axis);
        ASSERT_EQ(ticks.size(), c.ticks.size());
        for (std::size_t i = 0; i < ticks.size(); ++i)
            EXPECT_NEAR(ticks[i], c.ticks[i], 1e-9);
    }
    EXPECT_EQ(NiceValueAxis(INFINITY, -INFINITY, 4), ValueAxis{});   // nothing to show

    EXPECT_EQ(StepDecimals(100), 0);
    EXPECT_EQ(StepDecimals(1), 0);
    EXPECT_EQ(StepDecimals(0.5), 1);
    EXPECT_EQ(StepDecimals(0.05), 2);
}

TEST(ChartTime, ZoomKeepsTheAnchorAndPanStaysInsideTheSession)
{
    const TimeRange whole{0, 1000};
    EXPECT_EQ(ZoomedRange(whole, 250, 0.5, whole), (TimeRange{125, 625}));
    EXPECT_EQ(ZoomedRange({100, 200}, 150, 100, whole), whole);          // never past the session
    EXPECT_EQ(ZoomedRange({100, 200}, 150, 0.001, whole), (TimeRange{148, 152}));   // nor below the shortest span
    EXPECT_EQ(PannedRange({100, 200}, 50, whole), (TimeRange{150, 250}));
    EXPECT_EQ(PannedRange({100, 200}, -500, whole), (TimeRange{0, 100}));
    EXPECT_EQ(PannedRange({100, 200}, 5000, whole), (TimeRange{900, 1000}));
    EXPECT_EQ(WholeRange(10, 11), (TimeRange{8.5, 12.5}));
}

TEST(ChartData, RawSamplesArePointsAtTheirTimes)
{
    const auto samples = Samples({Sample(0, 0, 0, 5), Sample(1, 0, 0, -3), Sample(3, 0, 0, 7)});
    const ChartData data = BuildChartData(samples.begin(), samples.end());
    EXPECT_THAT(data.rowTimes, ElementsAre(At10(0), At10(1), At10(3)));
    EXPECT_EQ(data.pointTimes, data.rowTimes);
    EXPECT_THAT(Values(data.curves[ChargeRateCurve]), ElementsAre(5, -3, 7));
    EXPECT_THAT(Values(data.curves[StackCurve]), ElementsAre(33, 33, 33));
    EXPECT_THAT(Values(data.curves[TemperatureCurve]), ElementsAre(25, 25, 25));
    EXPECT_EQ(data.first, At10(0));
    EXPECT_EQ(data.last, At10(3));
    EXPECT_EQ(data.sampleCount, 3);
    EXPECT_FALSE(data.summaries);
    EXPECT_EQ(TimeText(data.start), "2016-Mar-07 10:00:00");
}

TEST(ChartData, CellRunsLastFromTheFirstSampleWithTheBitToTheLast)
{
    // Samples 1 to 6 (numbered as in a list); OC bit C on samples 2 to 4, bit A on 1 and on 6,
    // ODC bit T on sample 5 alone.
    const std::uint32_t A = 1, C = 4, T = 1u << 19;
    const auto samples = Samples({Sample(0, A), Sample(1, C), Sample(2, C), Sample(4, C), Sample(5, 0, T),
                                  Sample(6, A | 0xF00000)});
    const ChartData data = BuildChartData(samples.begin(), samples.end());
    EXPECT_THAT(data.cells[OCMap][2], ElementsAre(CellRun{At10(1), At10(4)}));
    EXPECT_THAT(data.cells[OCMap][0], ElementsAre(CellRun{At10(0), At10(0)}, CellRun{At10(6), At10(6)}));
    EXPECT_THAT(data.cells[ODCMap][19], ElementsAre(CellRun{At10(5), At10(5)}));
    for (int cell : {1, 3, 19})
        EXPECT_TRUE(data.cells[OCMap][cell].empty()) << cell;
    EXPECT_TRUE(data.cells[ODCMap][2].empty());
}

TEST(ChartData, SummariesHoldTheirMeansUntilTheNextEntry)
{
    // Runs: seconds 0-2 (charge 2, 4, 6), 3-4 (1, 2), 6 (9).
    const auto samples = Samples({Sample(0, 1, 0, 2), Sample(1, 1, 0, 4), Sample(2, 1, 0, 6), Sample(3, 2, 0, 1),
                                  Sample(4, 2, 0, 2), Sample(6, 1, 0, 9)});
    const std::vector<SamplePtr> summaries = BuildSummaries(samples);
    ASSERT_EQ(summaries.size(), 3u);
    const ChartData data = BuildChartData(summaries.begin(), summaries.end());
    EXPECT_TRUE(data.summaries);
    EXPECT_EQ(data.sampleCount, 6);
    EXPECT_THAT(data.rowTimes, ElementsAre(At10(0), At10(3), At10(6)));
    // A step per summary; a summary of one sample at the end holds for no time.
    EXPECT_THAT(data.pointTimes, ElementsAre(At10(0), At10(3), At10(3), At10(6), At10(6), At10(6)));
    EXPECT_THAT(Values(data.curves[ChargeRateCurve]), ElementsAre(4, 4, 1, 1, 9, 9));
    EXPECT_EQ(data.first, At10(0));
    EXPECT_EQ(data.last, At10(6));

    // The cell runs are those of the raw samples: a summary spans its first to its last sample.
    const ChartData raw = BuildChartData(samples.begin(), samples.end());
    EXPECT_EQ(data.cells, raw.cells);
    EXPECT_THAT(data.cells[OCMap][0], ElementsAre(CellRun{At10(0), At10(2)}, CellRun{At10(6), At10(6)}));
    EXPECT_THAT(data.cells[OCMap][1], ElementsAre(CellRun{At10(3), At10(4)}));

    // The last summary of several samples holds until its last sample.
    const std::vector<SamplePtr> two = BuildSummaries(Samples({Sample(0, 1), Sample(1, 2), Sample(2, 2)}));
    const ChartData held = BuildChartData(two.begin(), two.end());
    EXPECT_THAT(held.pointTimes, ElementsAre(At10(0), At10(1), At10(1), At10(2)));
    EXPECT_EQ(held.last, At10(2));
}

TEST(ChartData, RowAtOrBeforeATime)
{
    // Two samples share second 2.
    const auto samples = Samples({Sample(0, 0), Sample(2, 0), Sample(2, 0), Sample(5, 0)});
    const ChartData data = BuildChartData(samples.begin(), samples.end());
    struct Case
    {
        double time;
        int row;
    };
    const Case cases[] = {{At10(-1), -1}, {At10(0), 0}, {At10(1.9), 0}, {At10(2), 2},
                          {At10(4.99), 2}, {At10(5), 3}, {At10(60), 3}};
    for (const Case& c : cases)
        EXPECT_EQ(data.RowAtOrBefore(c.time), c.row) << c.time - At10(0);
    EXPECT_EQ(BuildChartData(samples.end(), samples.end()).RowAtOrBefore(At10(0)), -1);
}

} // namespace
