#include "recording/Sample.h"

#include "recording/SampleDecode.h"

CSample::~CSample() = default;

std::int32_t CSample::GetCount() const
{
    return 1;
}

std::int32_t CSample::GetIndex() const
{
    return m_index;
}

boost::posix_time::ptime CSample::GetTime() const
{
    return SampleDecode::Time(m_record.words[0]);
}

CellMask CSample::GetOCMask() const
{
    return m_record.words[1];
}

CellMask CSample::GetODCMask() const
{
    return m_record.words[2];
}

bool CSample::GetFlagI() const
{
    return (m_record.words[3] & SampleDecode::FlagIBit) != 0;
}

bool CSample::GetFlagB() const
{
    return (m_record.words[3] & SampleDecode::FlagBBit) != 0;
}

std::int16_t CSample::GetChargeRate() const
{
    return SampleDecode::ChargeRate(m_record.words[4]);
}

double CSample::GetStack() const
{
    return SampleDecode::Stack(m_record.words[4]);
}

double CSample::GetTemperature() const
{
    return SampleDecode::Temperature(m_record.words[3]);
}
