#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <utility>
#include <string>

// The console report followed by each benchmark's time per item as a multiple of the
// baseline's, so that the ratios of one run can be read at a glance.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    RatioReporter(std::string baseline, OutputOptions options)
        : ConsoleReporter(options), m_baseline(std::move(baseline)) {}

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    std::string m_baseline;
    std::map<std::string, double> m_nanosecondsPerItem;   // by benchmark name
};
