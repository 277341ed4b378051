#pragma once

#include "charts/ChartData.h"

#include <vector>

// A point of a curve in chart terms: seconds since 2000 and a value.
struct ChartPoint
{
    double time = 0.0;
    double value = 0.0;

    bool operator==(const ChartPoint&) const = default;
};

// More points than this per pixel column are drawn as the column's extremes.
constexpr int PointsPerColumn = 4;

// The points that draw the curve over columns pixel columns spanning the range. Where the
// range holds few points, all of them; otherwise, for each column that holds any, its
// first, lowest, highest and last value at the column's middle, found without visiting its
// points, so that the cost follows the width and not the number of points.
std::vector<ChartPoint> DecimatedPoints(const std::vector<double>& times, const ValueSeries& values,
                                        const TimeRange& range, int columns);

// The lowest and highest value of the curve's visible points.
ValueSpan VisibleExtremes(const std::vector<double>& times, const ValueSeries& values, const TimeRange& range);

// Pixel columns first to last, both included.
struct ColumnSpan
{
    int first = 0;
    int last = 0;

    bool operator==(const ColumnSpan&) const = default;
};

// The columns, of columns spanning the range, that a cell's runs cover, in order, touching
// spans merged. A run shorter than a column still covers the column it lies in.
std::vector<ColumnSpan> CoveredColumns(const std::vector<CellRun>& runs, const TimeRange& range, int columns);
