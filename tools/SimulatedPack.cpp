#include "tools/SimulatedPack.h"

#include <algorithm>

namespace {

constexpr int LowestTempRatio = 4500;
constexpr int HighestTempRatio = 15500;

// Adds step to value, turning back at either bound.
int Drift(int value, int step, int lo, int hi)
{
    const int next = value + step;
    if (next < lo || next > hi)
        return std::clamp(value - step, lo, hi);
    return next;
}

} // namespace

SimulatedPack::SimulatedPack(SplitMix64& random)
    : m_random(random),
      m_tempRatio(static_cast<int>(random.Between(7000, 12000))),
      m_tempReference(static_cast<int>(random.Between(480, 540))),
      m_stackRaw(static_cast<int>(random.Between(200, 700))),
      m_chargeRate(static_cast<int>(random.Between(-300, 300)))
{
}

void SimulatedPack::Step(RecordFields& fields)
{
    DriftTemperature();
    DriftStack();
    DriftChargeRate();
    ChangeMasksWhenDue();
    WriteMeasurements(fields);
    WriteStatus(fields);
}

void SimulatedPack::Rest()
{
    m_tempRatio = Drift(m_tempRatio, static_cast<int>(m_random.Between(-2000, 2000)),
                        LowestTempRatio, HighestTempRatio);
    m_chargeRate = static_cast<int>(m_random.Between(-300, 300));
}

void SimulatedPack::DriftTemperature()
{
    m_tempRatio = Drift(m_tempRatio, static_cast<int>(m_random.Between(-12, 12)),
                        LowestTempRatio, HighestTempRatio);
}

void SimulatedPack::DriftStack()
{
    if (m_random.OneIn(4))
        m_stackRaw = Drift(m_stackRaw, static_cast<int>(m_random.Between(-1, 1)), 50, 950);
}

void SimulatedPack::DriftChargeRate()
{
    m_chargeRate = Drift(m_chargeRate, static_cast<int>(m_random.Between(-6, 6)), -1024, 1023);
}

void SimulatedPack::ChangeMasksWhenDue()
{
    if (m_samplesUntilMaskChange-- > 0)
        return;
    m_samplesUntilMaskChange = static_cast<int>(m_random.Between(12, 80));
    m_ocMask = RandomCells(static_cast<int>(m_random.Between(0, 3))) | StrayHighBits();
    m_odcMask = RandomCells(static_cast<int>(m_random.Between(0, 2))) | StrayHighBits();
}

std::uint32_t SimulatedPack::RandomCells(int count)
{
    std::uint32_t cells = 0;
    for (int i = 0; i < count; ++i)
        cells |= 1u << m_random.Between(0, 19);
    return cells;
}

std::uint32_t SimulatedPack::StrayHighBits()
{
    return m_random.OneIn(20) ? static_cast<std::uint32_t>(m_random.Next()) & 0xFFF00000u : 0;
}

void SimulatedPack::WriteMeasurements(RecordFields& fields) const
{
    // TempValue is chosen so that (2 TempValue - TempReference) * 10000 / TempReference
    // comes out at the drifting ratio.
    fields.tempReference = m_tempReference;
    fields.tempValue = (m_tempReference * (10000 + m_tempRatio) + 10000) / 20000;
    fields.stackRaw = m_stackRaw;
    fields.chargeRate = m_chargeRate;
}

void SimulatedPack::WriteStatus(RecordFields& fields)
{
    fields.ocMask = m_ocMask;
    fields.odcMask = m_odcMask;
    fields.flagI = m_random.OneIn(60);
    fields.flagB = m_random.OneIn(150);
    fields.spareWord3 = m_random.OneIn(100) ? static_cast<std::uint32_t>(m_random.Next()) : 0;
    fields.spareWord4 = m_random.OneIn(100) ? static_cast<std::uint32_t>(m_random.Next()) : 0;
}
