#pragma once

#include "recording/SampleRecord.h"

#include <cstdint>
#include <string>
#include <vector>

// Builds raw records field by field, for the simulator, the tests and the benchmarks.
struct RecordFields
{
    int year = 2016;   // 2000..2063
    int month = 1;     // 4 bits as stored, so 0 and 13..15 are possible
    int day = 1;       // 5 bits
    int hour = 0;      // 5 bits
    int minute = 0;    // 6 bits
    int second = 0;    // 6 bits
    std::uint32_t ocMask = 0;    // whole word 1
    std::uint32_t odcMask = 0;   // whole word 2
    int tempValue = 512;         // 10 bits
    int tempReference = 512;     // 10 bits
    bool flagI = false;
    bool flagB = false;
    int chargeRate = 0;          // -1024..1023
    int stackRaw = 0;            // 10 bits
    std::uint32_t spareWord3 = 0;   // undecoded bits of word 3 (10-15, 26-28, 31)
    std::uint32_t spareWord4 = 0;   // undecoded bits of word 4 (11-15, 26-31)
};

SampleRecord BuildRecord(const RecordFields& fields);

// The 20 big-endian bytes of each record, back to back.
std::string RecordBytes(const std::vector<SampleRecord>& records);
