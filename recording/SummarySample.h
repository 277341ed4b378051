#pragma once

#include "recording/Sample.h"

#include <cstdint>
#include <vector>

// A sample that stands for a run of samples: first sample's time, index and masks, flags
// ORed over the run, means of the three measurements.
class CSummarySample : public CSample
{
public:
    ~CSummarySample() override;

    std::int32_t GetCount() const override;
    std::int32_t GetIndex() const override;
    boost::posix_time::ptime GetTime() const override;
    CellMask GetOCMask() const override;
    CellMask GetODCMask() const override;
    std::int16_t GetChargeRate() const override;
    double GetStack() const override;
    double GetTemperature() const override;

    void Add(const SamplePtr& sample);

    std::vector<SamplePtr> Samples;
    double TemperatureSum = 0.0;
    double StackSum = 0.0;
    std::int64_t ChargeRateSum = 0;
};
