#pragma once

#include "recording/SampleRecord.h"

#include <boost/date_time/posix_time/ptime.hpp>
#include <boost/shared_ptr.hpp>

#include <cstdint>

// A cell mask as stored: bits 0-19 are cells A to T, bits 20-31 take part in comparisons.
using CellMask = std::uint32_t;

// One decoded sample. Decoding happens on every call; nothing is cached.
class CSample
{
public:
    CSample() = default;
    CSample(std::int32_t index, const SampleRecord& record) : m_index(index), m_record(record) {}
    virtual ~CSample();

    virtual std::int32_t GetCount() const;
    virtual std::int32_t GetIndex() const;
    virtual boost::posix_time::ptime GetTime() const;
    virtual CellMask GetOCMask() const;
    virtual CellMask GetODCMask() const;
    virtual bool GetFlagI() const;
    virtual bool GetFlagB() const;
    virtual std::int16_t GetChargeRate() const;
    virtual double GetStack() const;
    virtual double GetTemperature() const;

    const SampleRecord& Record() const { return m_record; }

protected:
    std::int32_t m_index = 0;
    SampleRecord m_record;
};

using SamplePtr = boost::shared_ptr<CSample>;
