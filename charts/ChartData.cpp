#include "charts/ChartData.h"

#include "recording/SampleDecode.h"
#include "recording/SummarySample.h"

#include <algorithm>
#include <bit>
#include <optional>

namespace {

// Seconds since 2000 of a plain sample; an undecodable time counts as the one before it.
double SampleSeconds(const CSample& sample, double before)
{
    std::int64_t seconds = 0;
    if (!SampleDecode::SecondsSince2000(sample.Record().words[0], seconds))
        return before;
    return static_cast<double>(seconds);
}

// The runs of the set bits of one kind of mask, entry by entry.
class CellRunBuilder
{
public:
    explicit CellRunBuilder(CellRuns& runs) : m_runs(runs) {}

    // An entry whose samples span first to last with this mask.
    void Add(CellMask mask, double first, double last)
    {
        mask &= SampleDecode::CellBits;
        Close(m_open & ~mask);
        for (std::uint32_t opened = mask & ~m_open; opened; opened &= opened - 1)
            m_starts[std::countr_zero(opened)] = first;
        m_open = mask;
        m_last = last;
    }

    void Finish() { Close(m_open); }

private:
    void Close(std::uint32_t bits)
    {
        m_open &= ~bits;
        for (; bits; bits &= bits - 1) {
            const int bit = std::countr_zero(bits);
            m_runs[bit].push_back({m_starts[bit], m_last});
        }
    }

    CellRuns& m_runs;
    std::array<double, CellCount> m_starts{};
    std::uint32_t m_open = 0;
    double m_last = 0.0;
};

} // namespace

int ChartData::RowAtOrBefore(double time) const
{
    const auto after = std::upper_bound(rowTimes.begin(), rowTimes.end(), time);
    return static_cast<int>(after - rowTimes.begin()) - 1;
}

ChartData BuildChartData(SampleIterator begin, SampleIterator end)
{
    ChartData data;
    if (begin == end)
        return data;
    data.start = (*begin)->GetTime();
    const auto count = static_cast<std::size_t>(end - begin);
    data.rowTimes.reserve(count);
    data.pointTimes.reserve(count);
    std::array<std::vector<float>, CurveCount> points;
    for (auto& curve : points)
        curve.reserve(count);
    const auto addPoint = [&](double time, const std::array<float, CurveCount>& values) {
        data.pointTimes.push_back(time);
        for (int curve = 0; curve < CurveCount; ++curve)
            points[curve].push_back(values[curve]);
    };
    CellRunBuilder oc(data.cells[OCMap]);
    CellRunBuilder odc(data.cells[ODCMap]);

    // A summary's mean is held until the next entry's time, so its second point waits.
    std::optional<std::array<float, CurveCount>> held;
    double last = 0.0;
    for (auto it = begin; it != end; ++it) {
        const CSample& entry = **it;
        const auto* summary = dynamic_cast<const CSummarySample*>(&entry);
        const bool run = summary && !summary->Samples.empty();
        const double first = SampleSeconds(run ? *summary->Samples.front() : entry, last);
        last = run ? SampleSeconds(*summary->Samples.back(), first) : first;
        const std::array<float, CurveCount> values = {static_cast<float>(entry.GetTemperature()),
                                                      static_cast<float>(entry.GetStack()),
                                                      static_cast<float>(entry.GetChargeRate())};
        if (held)
            addPoint(first, *held);
        addPoint(first, values);
        held = summary ? std::optional(values) : std::nullopt;
        data.rowTimes.push_back(first);
        data.sampleCount += entry.GetCount();
        oc.Add(entry.GetOCMask(), first, last);
        odc.Add(entry.GetODCMask(), first, last);
    }
    if (held)
        addPoint(last, *held);
    oc.Finish();
    odc.Finish();
    for (int curve = 0; curve < CurveCount; ++curve)
        data.curves[curve] = ValueSeries(std::move(points[curve]));
    data.first = data.rowTimes.front();
    data.last = last;
    data.summaries = dynamic_cast<const CSummarySample*>(begin->get()) != nullptr;
    return data;
}
