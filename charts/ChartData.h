#pragma once

#include "charts/ChartTime.h"
#include "charts/ValueSeries.h"
#include "recording/Sample.h"

#include <array>
#include <cstdint>
#include <vector>

using SampleIterator = std::vector<SamplePtr>::const_iterator;

enum ChartCurve { TemperatureCurve, StackCurve, ChargeRateCurve, CurveCount };
enum CellMapKind { OCMap, ODCMap, CellMapCount };
constexpr int CellCount = 20;

// A stretch over which a cell's bit stays set: from the first entry's time to the time of
// the last sample of the last entry with the bit.
struct CellRun
{
    double start = 0.0;
    double end = 0.0;

    bool operator==(const CellRun&) const = default;
};

using CellRuns = std::array<std::vector<CellRun>, CellCount>;

// What a chart draws of a sample list, raw samples or summaries; times in seconds since 2000.
struct ChartData
{
    // Each entry's time (a summary's first sample's), in list order.
    std::vector<double> rowTimes;
    // The curves' points: one per sample; two per summary, its mean held from its time to
    // the next entry's time (the last summary to its last sample's time).
    std::vector<double> pointTimes;
    std::array<ValueSeries, CurveCount> curves;
    // Runs of each cell's bit, for OC and for ODC, in time order.
    std::array<CellRuns, CellMapCount> cells;
    // The first entry's time to the last sample's time.
    double first = 0.0;
    double last = 0.0;
    boost::posix_time::ptime start;
    std::int64_t sampleCount = 0;   // recorded samples the entries stand for
    bool summaries = false;

    bool Empty() const { return rowTimes.empty(); }
    int RowCount() const { return static_cast<int>(rowTimes.size()); }
    // The last row at or before the time; -1 when the time lies before the first row.
    int RowAtOrBefore(double time) const;
};

ChartData BuildChartData(SampleIterator begin, SampleIterator end);
