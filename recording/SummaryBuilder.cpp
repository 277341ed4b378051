#include "recording/SummaryBuilder.h"

#include "recording/SummarySample.h"

#include <boost/make_shared.hpp>

namespace {

bool SameMasks(const CSample& a, const CSample& b)
{
    return a.GetOCMask() == b.GetOCMask() && a.GetODCMask() == b.GetODCMask();
}

} // namespace

std::vector<SamplePtr> BuildSummaries(const std::vector<SamplePtr>& samples)
{
    std::vector<SamplePtr> summaries;
    auto current = boost::make_shared<CSummarySample>();
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (i > 0 && !SameMasks(*samples[i - 1], *samples[i])) {
            summaries.push_back(current);
            current = boost::make_shared<CSummarySample>();
        }
        current->Add(samples[i]);
    }
    if (current->GetCount() != 0)
        summaries.push_back(current);
    return summaries;
}
