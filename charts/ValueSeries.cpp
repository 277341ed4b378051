#include "charts/ValueSeries.h"

#include <algorithm>

void ValueSpan::Add(float value)
{
    low = std::min(low, value);
    high = std::max(high, value);
}

void ValueSpan::Add(const ValueSpan& span)
{
    low = std::min(low, span.low);
    high = std::max(high, span.high);
}

ValueSeries::ValueSeries(std::vector<float> values) : m_values(std::move(values))
{
    std::vector<ValueSpan> level(m_values.size() / BlockSize);
    for (std::size_t block = 0; block < level.size(); ++block)
        for (std::size_t i = block * BlockSize; i < (block + 1) * BlockSize; ++i)
            level[block].Add(m_values[i]);
    while (!level.empty()) {
        std::vector<ValueSpan> coarser(level.size() / 2);
        for (std::size_t block = 0; block < coarser.size(); ++block) {
            coarser[block] = level[2 * block];
            coarser[block].Add(level[2 * block + 1]);
        }
        m_levels.push_back(std::move(level));
        level = std::move(coarser);
    }
}

ValueSpan ValueSeries::Extremes(std::size_t first, std::size_t last) const
{
    ValueSpan span;
    last = std::min(last, m_values.size());
    std::size_t block = (first + BlockSize - 1) / BlockSize;
    std::size_t end = last / BlockSize;
    if (block >= end) {
        for (std::size_t i = first; i < last; ++i)
            span.Add(m_values[i]);
        return span;
    }
    for (std::size_t i = first; i < block * BlockSize; ++i)
        span.Add(m_values[i]);
    for (std::size_t i = end * BlockSize; i < last; ++i)
        span.Add(m_values[i]);
    // Whole blocks, climbing a level wherever two neighbours make one block of the next.
    for (std::size_t level = 0; block < end; ++level) {
        if (block & 1)
            span.Add(m_levels[level][block++]);
        if (end & 1)
            span.Add(m_levels[level][--end]);
        block >>= 1;
        end >>= 1;
    }
    return span;
}
