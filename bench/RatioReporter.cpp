#include "bench/RatioReporter.h"

#include <iomanip>
#include <ostream>

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        // With repetitions, the mean stands for the benchmark.
        if (run.error_occurred || (run.run_type == Run::RT_Aggregate && run.aggregate_name != "mean"))
            continue;
        const auto rate = run.counters.find("items_per_second");
        if (rate != run.counters.end() && rate->second.value > 0)
            m_nanosecondsPerItem[run.run_name.function_name] = 1e9 / rate->second.value;
    }
}

void RatioReporter::Finalize()
{
    const auto baseline = m_nanosecondsPerItem.find(m_baseline);
    if (baseline == m_nanosecondsPerItem.end())
        return;
    std::ostream& out = GetOutputStream();
    out << std::fixed << std::setprecision(2)
        << "\nTime per record against " << m_baseline << ":\n";
    for (const auto& [name, nanoseconds] : m_nanosecondsPerItem)
        out << "  " << std::left << std::setw(26) << name << std::right << std::setw(9)
            << nanoseconds << " ns/record " << std::setw(8) << nanoseconds / baseline->second << "x\n";
}
