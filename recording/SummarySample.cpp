#include "recording/SummarySample.h"

#include "recording/SampleDecode.h"

// An empty summary answers index 0, no time, empty masks and zero means.

CSummarySample::~CSummarySample() = default;

std::int32_t CSummarySample::GetCount() const
{
    return static_cast<std::int32_t>(Samples.size());
}

std::int32_t CSummarySample::GetIndex() const
{
    return Samples.empty() ? m_index : Samples.front()->GetIndex();
}

boost::posix_time::ptime CSummarySample::GetTime() const
{
    return Samples.empty() ? boost::posix_time::ptime() : Samples.front()->GetTime();
}

CellMask CSummarySample::GetOCMask() const
{
    return Samples.empty() ? 0 : Samples.front()->GetOCMask();
}

CellMask CSummarySample::GetODCMask() const
{
    return Samples.empty() ? 0 : Samples.front()->GetODCMask();
}

std::int16_t CSummarySample::GetChargeRate() const
{
    // Integer division truncates toward zero: -7 / 2 is -3.
    return Samples.empty() ? 0 : static_cast<std::int16_t>(ChargeRateSum / GetCount());
}

double CSummarySample::GetStack() const
{
    return Samples.empty() ? 0.0 : StackSum / GetCount();
}

double CSummarySample::GetTemperature() const
{
    return Samples.empty() ? 0.0 : TemperatureSum / GetCount();
}

void CSummarySample::Add(const SamplePtr& sample)
{
    Samples.push_back(sample);
    std::uint32_t& word3 = m_record.words[3];
    if (!(word3 & SampleDecode::FlagIBit) && sample->GetFlagI())
        word3 |= SampleDecode::FlagIBit;
    if (!(word3 & SampleDecode::FlagBBit) && sample->GetFlagB())
        word3 |= SampleDecode::FlagBBit;
    TemperatureSum += sample->GetTemperature();
    StackSum += sample->GetStack();
    ChargeRateSum += sample->GetChargeRate();
}
