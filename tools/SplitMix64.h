#pragma once

#include <cstdint>

// A small deterministic generator: the same seed gives the same numbers on every platform
// and library version.
class SplitMix64
{
public:
    explicit SplitMix64(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t Next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // A whole number in lo..hi, both included.
    std::int64_t Between(std::int64_t lo, std::int64_t hi)
    {
        return lo + static_cast<std::int64_t>(Next() % static_cast<std::uint64_t>(hi - lo + 1));
    }

    // True about once in every n calls.
    bool OneIn(std::uint64_t n) { return Next() % n == 0; }

    // A number in [0, 1).
    double Fraction() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

private:
    std::uint64_t m_state;
};
