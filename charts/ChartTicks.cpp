#include "charts/ChartTicks.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double Minute = 60;
constexpr double Hour = 3600;
constexpr double Day = 86400;

constexpr double TimeSteps[] = {
    1, 2, 5, 10, 15, 30,
    Minute, 2 * Minute, 5 * Minute, 10 * Minute, 15 * Minute, 30 * Minute,
    Hour, 2 * Hour, 3 * Hour, 6 * Hour, 12 * Hour,
    Day, 2 * Day, 7 * Day, 14 * Day, 28 * Day,
};

} // namespace

double TimeTickStep(double span, double width, double spacing)
{
    const double needed = width > 0 ? span * spacing / width : span;
    for (double step : TimeSteps)
        if (step >= needed)
            return step;
    const double longest = TimeSteps[std::size(TimeSteps) - 1];
    return std::ceil(needed / longest) * longest;
}

std::vector<double> TickTimes(const TimeRange& range, double step)
{
    std::vector<double> ticks;
    if (step <= 0)
        return ticks;
    for (double tick = std::ceil(range.from / step) * step; tick <= range.to; tick += step)
        ticks.push_back(tick);
    return ticks;
}

ValueAxis NiceValueAxis(double low, double high, int intervals)
{
    if (!std::isfinite(low) || !std::isfinite(high) || low > high)
        return {};
    const double margin = high - low < 1e-9 ? std::max(std::abs(low) * 0.05, 1.0) : (high - low) / 20;
    low -= margin;
    high += margin;
    const double rough = (high - low) / std::max(intervals, 1);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = power;
    for (double nice : {2.0, 5.0, 10.0})
        if (std::abs(std::log(nice * power / rough)) < std::abs(std::log(step / rough)))
            step = nice * power;
    return {low, high, step};
}

std::vector<double> AxisTicks(const ValueAxis& axis)
{
    std::vector<double> ticks;
    if (axis.step <= 0)
        return ticks;
    // Counted in whole steps, with a little slack so that rounding loses no end.
    const double first = std::ceil(axis.low / axis.step - 1e-9);
    const double last = std::floor(axis.high / axis.step + 1e-9);
    for (double i = first; i <= last; ++i)
        ticks.push_back(i * axis.step);
    return ticks;
}

int StepDecimals(double step)
{
    if (step <= 0)
        return 0;
    return std::max(0, static_cast<int>(std::ceil(-std::log10(step) - 1e-9)));
}
