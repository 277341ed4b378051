#pragma once

#include <boost/date_time/posix_time/ptime.hpp>

#include <string>

// A stretch of time in seconds since 2000-01-01 00:00:00, the chart's time axis.
struct TimeRange
{
    double from = 0.0;
    double to = 0.0;

    double Span() const { return to - from; }
    bool operator==(const TimeRange&) const = default;
};

// The shortest stretch the chart zooms in to.
constexpr double MinimumSpan = 4.0;

// Seconds since 2000 of a time.
double ChartSeconds(const boost::posix_time::ptime& time);
// The time text of the whole second of a count of seconds, as in 2015-Dec-31 23:59:59.
std::string ChartTimeText(double seconds);

// first to last, widened about its middle to at least MinimumSpan.
TimeRange WholeRange(double first, double last);
// The range moved and cut back to lie inside whole, at least MinimumSpan long.
TimeRange FittedRange(TimeRange range, const TimeRange& whole);
// The range scaled by factor (below 1 zooms in) about the anchor time, fitted into whole.
TimeRange ZoomedRange(const TimeRange& range, double anchor, double factor, const TimeRange& whole);
// The range moved by offset seconds, fitted into whole.
TimeRange PannedRange(const TimeRange& range, double offset, const TimeRange& whole);
