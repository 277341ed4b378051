#include "charts/ChartTime.h"

#include "recording/SampleText.h"

#include <boost/date_time/posix_time/posix_time_types.hpp>

#include <algorithm>
#include <cmath>

namespace {

const boost::posix_time::ptime Epoch(boost::gregorian::date(2000, 1, 1));

} // namespace

double ChartSeconds(const boost::posix_time::ptime& time)
{
    return static_cast<double>((time - Epoch).total_seconds());
}

std::string ChartTimeText(double seconds)
{
    return TimeText(Epoch + boost::posix_time::seconds(static_cast<long>(std::floor(seconds))));
}

TimeRange WholeRange(double first, double last)
{
    const double middle = (first + last) / 2;
    const double half = std::max(last - first, MinimumSpan) / 2;
    return {middle - half, middle + half};
}

TimeRange FittedRange(TimeRange range, const TimeRange& whole)
{
    const double span = std::clamp(range.Span(), MinimumSpan, std::max(whole.Span(), MinimumSpan));
    const double from = std::clamp(range.from, whole.from, std::max(whole.from, whole.to - span));
    return {from, from + span};
}

TimeRange ZoomedRange(const TimeRange& range, double anchor, double factor, const TimeRange& whole)
{
    const TimeRange scaled{anchor - (anchor - range.from) * factor, anchor + (range.to - anchor) * factor};
    if (scaled.Span() >= MinimumSpan)
        return FittedRange(scaled, whole);
    // Too short: keep the anchor where it was within the range.
    const double share = range.Span() > 0 ? (anchor - range.from) / range.Span() : 0.5;
    const double from = anchor - share * MinimumSpan;
    return FittedRange({from, from + MinimumSpan}, whole);
}

TimeRange PannedRange(const TimeRange& range, double offset, const TimeRange& whole)
{
    return FittedRange({range.from + offset, range.to + offset}, whole);
}
