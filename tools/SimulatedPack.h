#pragma once

#include "tools/RecordBuilder.h"
#include "tools/SplitMix64.h"

#include <cstdint>

// The measured values of a simulated battery pack, drifting from one sample to the next:
// temperature, stack and charge rate, bypass masks that change every few dozen samples,
// occasional flags and stray undecoded bits.
class SimulatedPack
{
public:
    explicit SimulatedPack(SplitMix64& random);

    // Moves the pack on by one sample and writes its values into every field but the time.
    void Step(RecordFields& fields);

    // Before a session: the pack has rested, so temperature and charge rate start elsewhere.
    void Rest();

private:
    void DriftTemperature();
    void DriftStack();
    void DriftChargeRate();
    void ChangeMasksWhenDue();
    std::uint32_t RandomCells(int count);
    std::uint32_t StrayHighBits();
    void WriteMeasurements(RecordFields& fields) const;
    void WriteStatus(RecordFields& fields);

    SplitMix64& m_random;
    int m_tempRatio;        // temperature ratio in ten-thousandths, 4500..15500 (about 45..15 degC)
    int m_tempReference;
    int m_stackRaw;
    int m_chargeRate;
    std::uint32_t m_ocMask = 0;
    std::uint32_t m_odcMask = 0;
    int m_samplesUntilMaskChange = 0;
};
