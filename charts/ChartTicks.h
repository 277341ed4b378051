#pragma once

#include "charts/ChartTime.h"

#include <vector>

// The step between labelled time ticks: the finest of 1, 2, 5, 10, 15, 30 s, 1, 2, 5, 10,
// 15, 30 min, 1, 2, 3, 6, 12 h, 1, 2, 7, 14, 28 days (then whole multiples of 28 days) that
// keeps ticks at least spacing pixels apart when span seconds take width pixels.
double TimeTickStep(double span, double width, double spacing);
// The whole multiples of step from range.from to range.to, both included.
std::vector<double> TickTimes(const TimeRange& range, double step);

// A value axis: its ends and the step between its ticks.
struct ValueAxis
{
    double low = 0.0;
    double high = 1.0;
    double step = 1.0;

    bool operator==(const ValueAxis&) const = default;
};

// The axis for values from low to high: their range with a twentieth of it added on either
// side (a single value gets a margin of its own), and the step of 1, 2 or 5 times a power of
// ten nearest, as a ratio, to the range divided into intervals.
ValueAxis NiceValueAxis(double low, double high, int intervals);
// The whole multiples of the axis's step between its ends.
std::vector<double> AxisTicks(const ValueAxis& axis);
// The decimals that tell ticks of the step apart (0 for whole steps).
int StepDecimals(double step);
