#include "recording/SampleIo.h"
#include "recording/SampleText.h"
#include "recording/SummaryBuilder.h"
#include "recording/SummarySample.h"
#include "test_recordings.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

boost::shared_ptr<CSummarySample> SummaryOf(const std::vector<RecordFields>& records)
{
    auto summary = boost::make_shared<CSummarySample>();
    for (std::size_t i = 0; i < records.size(); ++i)
        summary->Add(MakeSample(records[i], static_cast<std::int32_t>(10 + i)));
    return summary;
}

RecordFields WithTemperature(int value, int reference)
{
    RecordFields f = At(10, 0, 0);
    f.tempValue = value;
    f.tempReference = reference;
    return f;
}

RecordFields WithChargeRate(int rate)
{
    RecordFields f = At(10, 0, 0);
    f.chargeRate = rate;
    return f;
}

RecordFields WithMasks(std::uint32_t oc, std::uint32_t odc, int second = 0)
{
    RecordFields f = At(10, 0, second);
    f.ocMask = oc;
    f.odcMask = odc;
    return f;
}

} // namespace

TEST(SummarySample, OneSampleAnswersAsTheSample)
{
    RecordFields f = At(9, 30, 5);
    f.ocMask = 0xF0000003;
    f.odcMask = 0x4;
    f.flagB = true;
    f.chargeRate = -17;
    f.stackRaw = 31;
    f.tempValue = 300;
    const SamplePtr sample = MakeSample(f, 42);
    CSummarySample summary;
    summary.Add(sample);

    EXPECT_EQ(summary.GetCount(), 1);
    EXPECT_EQ(summary.GetIndex(), 42);
    EXPECT_EQ(summary.GetTime(), sample->GetTime());
    EXPECT_EQ(summary.GetOCMask(), sample->GetOCMask());
    EXPECT_EQ(summary.GetODCMask(), sample->GetODCMask());
    EXPECT_EQ(summary.GetFlagI(), false);
    EXPECT_EQ(summary.GetFlagB(), true);
    EXPECT_EQ(summary.GetChargeRate(), -17);
    EXPECT_EQ(summary.GetStack(), sample->GetStack());
    EXPECT_EQ(summary.GetTemperature(), sample->GetTemperature());

    // Its own record holds only the flags.
    std::ostringstream out;
    WriteSample(out, summary);
    SampleRecord flagsOnly;
    flagsOnly.words[3] = 1u << 30;
    unsigned char expected[SampleRecord::Size];
    RecordToBytes(flagsOnly, expected);
    EXPECT_EQ(out.str(), std::string(reinterpret_cast<char*>(expected), sizeof expected));
}

TEST(SummarySample, MeansOfTheRun)
{
    const auto temperature = SummaryOf({WithTemperature(512, 512), WithTemperature(522, 500)});
    EXPECT_EQ(temperature->GetTemperature(), (25.00 + 23.04) / 2);
    EXPECT_EQ(TemperatureText(*temperature), "24.02");

    const struct {
        int a, b;
        std::int16_t mean;
    } rates[] = {{3, 4, 3}, {-3, -4, -3}, {1023, 1022, 1022}, {-1024, 1023, 0}};
    for (const auto& c : rates)
        EXPECT_EQ(SummaryOf({WithChargeRate(c.a), WithChargeRate(c.b)})->GetChargeRate(), c.mean)
            << c.a << "," << c.b;

    RecordFields low = At(10, 0, 0), high = At(10, 0, 1);
    low.stackRaw = 0;
    high.stackRaw = 1023;
    EXPECT_EQ(SummaryOf({low, high})->GetStack(), 16.5);
}

TEST(SummarySample, ChargeRateSumDoesNotOverflowThirtyTwoBits)
{
    CSummarySample summary;
    const SamplePtr sample = MakeSample(WithChargeRate(1023));
    for (int i = 0; i < 2'100'000; ++i)   // the sum passes 2^31
        summary.Add(sample);
    EXPECT_EQ(summary.GetChargeRate(), 1023);
}

TEST(SummarySample, FlagsAreOredOverTheRun)
{
    RecordFields plain = At(10, 0, 0), withI = At(10, 0, 1), withB = At(10, 0, 2);
    withI.flagI = true;
    withB.flagB = true;
    const struct {
        std::vector<RecordFields> run;
        bool flagI, flagB;
        const char* text;
    } cases[] = {
        {{plain, plain, withI}, true, false, "I"},
        {{withB, plain}, false, true, "B"},
        {{withI, plain, withB}, true, true, "IB"},
        {{plain, plain}, false, false, ""},
    };
    for (const auto& c : cases) {
        const auto summary = SummaryOf(c.run);
        EXPECT_EQ(summary->GetFlagI(), c.flagI) << c.text;
        EXPECT_EQ(summary->GetFlagB(), c.flagB) << c.text;
        EXPECT_EQ(FlagsText(*summary), c.text);
    }
}

TEST(SummarySample, ReportsTheFirstSample)
{
    const auto summary = SummaryOf({WithMasks(1, 2, 5), WithMasks(3, 4, 6)});
    EXPECT_EQ(summary->GetIndex(), 10);
    EXPECT_EQ(summary->GetTime(), MakeSample(At(10, 0, 5))->GetTime());
    EXPECT_EQ(summary->GetOCMask(), 1u);
    EXPECT_EQ(summary->GetODCMask(), 2u);
    EXPECT_EQ(summary->GetCount(), 2);
}

TEST(SummarySample, EmptySummaryAnswersZeros)
{
    const CSummarySample summary;
    EXPECT_EQ(summary.GetCount(), 0);
    EXPECT_EQ(summary.GetChargeRate(), 0);
    EXPECT_EQ(summary.GetStack(), 0.0);
    EXPECT_EQ(summary.GetTemperature(), 0.0);
    EXPECT_TRUE(summary.GetTime().is_not_a_date_time());
}

TEST(BuildSummaries, RunsOfUnchangedMasks)
{
    const struct {
        const char* name;
        std::vector<RecordFields> samples;
        std::vector<int> counts;
    } cases[] = {
        {"A,A,B,A", {WithMasks(1, 1), WithMasks(1, 1), WithMasks(2, 1), WithMasks(1, 1)}, {2, 1, 1}},
        {"all equal", {WithMasks(7, 0), WithMasks(7, 0), WithMasks(7, 0)}, {3}},
        {"all different", {WithMasks(1, 0), WithMasks(2, 0), WithMasks(1, 0)}, {1, 1, 1}},
        {"ODC alone splits", {WithMasks(1, 1), WithMasks(1, 2)}, {1, 1}},
        {"bits above the cells split", {WithMasks(1, 1), WithMasks(0x100001, 1)}, {1, 1}},
        {"a long pause does not split", {WithMasks(1, 1, 0), [] {
             RecordFields f = WithMasks(1, 1);
             f.hour = 20;
             return f;
         }()}, {2}},
        {"one sample", {WithMasks(5, 5)}, {1}},
        {"no samples", {}, {}},
    };
    for (const auto& c : cases) {
        std::vector<SamplePtr> samples;
        for (std::size_t i = 0; i < c.samples.size(); ++i)
            samples.push_back(MakeSample(c.samples[i], static_cast<std::int32_t>(i)));
        const std::vector<SamplePtr> summaries = BuildSummaries(samples);
        std::vector<int> counts;
        std::size_t next = 0;
        for (const SamplePtr& summary : summaries) {
            counts.push_back(summary->GetCount());
            EXPECT_EQ(summary->GetIndex(), static_cast<std::int32_t>(next)) << c.name;
            const auto& run = dynamic_cast<const CSummarySample&>(*summary).Samples;
            for (const SamplePtr& sample : run)
                EXPECT_EQ(sample, samples[next++]) << c.name;
        }
        EXPECT_EQ(counts, c.counts) << c.name;
        EXPECT_EQ(next, samples.size()) << c.name;
    }
}
