#include "charts/Decimation.h"

#include <algorithm>
#include <cmath>

namespace {

// The indices of the points in the range, with the one just before and the one just after
// it so that the curve runs to the edges: first to last, last excluded.
struct PointIndices
{
    std::size_t first = 0;
    std::size_t last = 0;
};

PointIndices VisiblePoints(const std::vector<double>& times, const TimeRange& range)
{
    std::size_t first = std::lower_bound(times.begin(), times.end(), range.from) - times.begin();
    std::size_t last = std::upper_bound(times.begin(), times.end(), range.to) - times.begin();
    if (first > 0)
        --first;
    if (last < times.size())
        ++last;
    return {first, std::max(first, last)};
}

} // namespace

std::vector<ChartPoint> DecimatedPoints(const std::vector<double>& times, const ValueSeries& values,
                                        const TimeRange& range, int columns)
{
    std::vector<ChartPoint> points;
    const PointIndices visible = VisiblePoints(times, range);
    if (columns <= 0 || range.Span() <= 0 || visible.first == visible.last)
        return points;
    const auto point = [&](std::size_t i) { return ChartPoint{times[i], values[i]}; };
    if (visible.last - visible.first <= static_cast<std::size_t>(columns) * PointsPerColumn) {
        for (std::size_t i = visible.first; i < visible.last; ++i)
            points.push_back(point(i));
        return points;
    }

    // The neighbours outside the range are drawn where they lie, the rest column by column.
    std::size_t begin = visible.first;
    std::size_t end = visible.last;
    if (times[begin] < range.from)
        points.push_back(point(begin++));
    const bool after = times[end - 1] > range.to;
    if (after)
        --end;
    const double width = range.Span() / columns;
    for (int column = 0; column < columns && begin < end; ++column) {
        const std::size_t next = column + 1 == columns
            ? end
            : std::lower_bound(times.begin() + begin, times.begin() + end, range.from + (column + 1) * width) - times.begin();
        if (next > begin) {
            const double middle = range.from + (column + 0.5) * width;
            const ValueSpan extremes = values.Extremes(begin, next);
            points.push_back({middle, values[begin]});
            points.push_back({middle, extremes.low});
            points.push_back({middle, extremes.high});
            points.push_back({middle, values[next - 1]});
        }
        begin = next;
    }
    if (after)
        points.push_back(point(end));
    return points;
}

ValueSpan VisibleExtremes(const std::vector<double>& times, const ValueSeries& values, const TimeRange& range)
{
    const PointIndices visible = VisiblePoints(times, range);
    return values.Extremes(visible.first, visible.last);
}

std::vector<ColumnSpan> CoveredColumns(const std::vector<CellRun>& runs, const TimeRange& range, int columns)
{
    std::vector<ColumnSpan> spans;
    if (columns <= 0 || range.Span() <= 0)
        return spans;
    const double width = range.Span() / columns;
    const auto columnOf = [&](double time) {
        return static_cast<int>(std::clamp(std::floor((time - range.from) / width), -1.0, double(columns)));
    };
    // Runs are in time order and do not overlap, so their ends are in order too.
    auto run = runs.begin();
    for (int column = 0; column < columns;) {
        const double columnStart = range.from + column * width;
        run = std::lower_bound(run, runs.end(), columnStart, [](const CellRun& r, double t) { return r.end < t; });
        if (run == runs.end())
            break;
        const int first = std::max(column, columnOf(run->start));
        if (first >= columns)
            break;
        const int last = std::clamp(columnOf(run->end), first, columns - 1);
        if (!spans.empty() && first <= spans.back().last + 1)
            spans.back().last = last;
        else
            spans.push_back({first, last});
        column = last + 1;
    }
    return spans;
}
