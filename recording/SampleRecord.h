#pragma once

#include <cstddef>
#include <cstdint>

// One recorded sample: five 32-bit words, big-endian on disk, host order in memory.
struct SampleRecord
{
    static constexpr std::size_t Size = 20;
    std::uint32_t words[5] = {0, 0, 0, 0, 0};
};

static_assert(sizeof(SampleRecord) == SampleRecord::Size);
