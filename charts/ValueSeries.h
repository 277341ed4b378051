#pragma once

#include <cstddef>
#include <limits>
#include <vector>

// The lowest and highest of some values; empty while low is above high.
struct ValueSpan
{
    float low = std::numeric_limits<float>::infinity();
    float high = -std::numeric_limits<float>::infinity();

    bool Empty() const { return low > high; }
    void Add(float value);
    void Add(const ValueSpan& span);
};

// A curve's values with the extremes of aligned blocks at hand, so that the lowest and
// highest value of any stretch take logarithmic time, not time in the stretch's length.
class ValueSeries
{
public:
    ValueSeries() = default;
    explicit ValueSeries(std::vector<float> values);

    std::size_t Size() const { return m_values.size(); }
    float operator[](std::size_t i) const { return m_values[i]; }
    // The extremes of the values first to last, last excluded.
    ValueSpan Extremes(std::size_t first, std::size_t last) const;

private:
    static constexpr std::size_t BlockSize = 64;

    std::vector<float> m_values;
    // Level k: the extremes of each whole block of BlockSize << k values.
    std::vector<std::vector<ValueSpan>> m_levels;
};
