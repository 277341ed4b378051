#include "recording/SampleDecode.h"
#include "recording/SampleText.h"
#include "recording/SummarySample.h"
#include "recording/TemperatureTable.h"
#include "test_recordings.h"
#include "tools/SplitMix64.h"

#include <boost/date_time/posix_time/posix_time.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <iomanip>
#include <locale>
#include <sstream>

namespace pt = boost::posix_time;

namespace {

// The stream formatting that the number texts reproduce.
std::string StreamFixed(double value, int decimals, int width)
{
    std::ostringstream stream;
    stream.imbue(std::locale::classic());
    stream << std::fixed << std::setprecision(decimals) << std::setw(width) << value;
    return stream.str();
}

std::string StreamTemperature(double value) { return StreamFixed(value, 2, 5); }
std::string StreamStack(double value) { return StreamFixed(value, 1, 4); }

SamplePtr TemperatureSample(int value, int reference)
{
    RecordFields f;
    f.tempValue = value;
    f.tempReference = reference;
    return MakeSample(f);
}

} // namespace

TEST(SampleText, CellLetters)
{
    const struct {
        CellMask mask;
        const char* expected;
    } cases[] = {
        {0, "                    "},
        {0xFFFFF, "ABCDEFGHIJKLMNOPQRST"},
        {0x5, "A C                 "},
        {0xFFF80000u, "                   T"},   // bits 20-31 are no cells
    };
    for (const auto& c : cases)
        EXPECT_EQ(CellLettersText(c.mask), c.expected) << std::hex << c.mask;
}

TEST(SampleText, CellFlagsCsv)
{
    const struct {
        CellMask mask;
        const char* expected;
    } cases[] = {
        {0, "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0"},
        {0xFFFFF, "1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1"},
        {0xFFF00005u, "1,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0"},
        {0x80000, "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CellFlagsCsvText(c.mask), c.expected) << std::hex << c.mask;
}

TEST(SampleText, FlagsFromStoredRecord)
{
    const struct {
        bool flagI, flagB;
        const char* expected;
    } cases[] = {{false, false, ""}, {true, false, "I"}, {false, true, "B"}, {true, true, "IB"}};
    for (const auto& c : cases) {
        RecordFields f;
        f.flagI = c.flagI;
        f.flagB = c.flagB;
        EXPECT_EQ(FlagsText(*MakeSample(f)), c.expected);
    }
}

TEST(SampleText, MeasurementExamples)
{
    RecordFields f;
    f.stackRaw = 1023;
    f.chargeRate = -1024;
    const SamplePtr sample = MakeSample(f);
    EXPECT_EQ(TemperatureText(*TemperatureSample(512, 512)), "25.00");
    EXPECT_EQ(TemperatureText(*TemperatureSample(100, 512)), " 8.85");
    EXPECT_EQ(StackText(*sample), " 0.0");
    EXPECT_EQ(ChargeRateText(*sample), "-1024");
    f.stackRaw = 0;
    f.chargeRate = 17;
    EXPECT_EQ(StackText(*MakeSample(f)), "33.0");
    EXPECT_EQ(ChargeRateText(*MakeSample(f)), "17");
}

namespace {

// A word 3 for each table entry, found by trying every pair of raw values.
std::vector<std::uint32_t> Word3PerTableEntry()
{
    std::vector<std::uint32_t> words(TemperatureTable.size(), 0);
    for (std::uint32_t reference = 1; reference < 1024; ++reference) {
        for (std::uint32_t value = 0; value < 1024; ++value) {
            const std::uint32_t word3 = value << 16 | reference;
            const auto entry = std::find(TemperatureTable.begin(), TemperatureTable.end(),
                                         SampleDecode::Temperature(word3));
            std::uint32_t& word = words[static_cast<std::size_t>(entry - TemperatureTable.begin())];
            if (word == 0)
                word = word3;
        }
    }
    return words;
}

} // namespace

TEST(SampleText, TemperatureMatchesStreamForEveryTableValue)
{
    for (const double value : TemperatureTable) {
        std::string text;
        AppendTemperatureText(text, value);
        ASSERT_EQ(text, StreamTemperature(value)) << value;
    }
}

TEST(SampleText, StackMatchesStreamForEveryRawValue)
{
    for (int raw = 0; raw < 1024; ++raw) {
        RecordFields f;
        f.stackRaw = raw;
        const SamplePtr sample = MakeSample(f);
        ASSERT_EQ(StackText(*sample), StreamStack(sample->GetStack())) << raw;
    }
}

TEST(SampleText, ChargeRateMatchesStreamForEveryValue)
{
    for (int rate = -1024; rate < 1024; ++rate) {
        RecordFields f;
        f.chargeRate = rate;
        std::ostringstream stream;
        stream.imbue(std::locale::classic());
        stream << rate;
        ASSERT_EQ(ChargeRateText(*MakeSample(f)), stream.str()) << rate;
    }
}

TEST(SampleText, SummaryMeansMatchStream)
{
    const std::vector<std::uint32_t> word3s = Word3PerTableEntry();
    ASSERT_EQ(std::count(word3s.begin(), word3s.end(), 0u), 0);
    SplitMix64 random(31);
    for (int i = 0; i < 5000; ++i) {
        CSummarySample summary;
        const int count = static_cast<int>(random.Between(1, 40));
        for (int k = 0; k < count; ++k) {
            SampleRecord record;
            record.words[3] = word3s[static_cast<std::size_t>(random.Between(0, 200))];
            record.words[4] = static_cast<std::uint32_t>(random.Between(0, 1023)) << 16;
            summary.Add(boost::make_shared<CSample>(k, record));
        }
        ASSERT_EQ(TemperatureText(summary), StreamTemperature(summary.GetTemperature()));
        ASSERT_EQ(StackText(summary), StreamStack(summary.GetStack()));
    }
}

TEST(SampleText, TimeMatchesBoostSimpleString)
{
    const pt::ptime special[] = {
        pt::ptime(pt::not_a_date_time),
        pt::ptime(pt::pos_infin),
        pt::ptime(pt::neg_infin),
        pt::ptime(boost::gregorian::date(2016, 3, 7), pt::seconds(5) + pt::microseconds(20)),
    };
    for (const pt::ptime& time : special)
        EXPECT_EQ(TimeText(time), pt::to_simple_string(time));
    EXPECT_EQ(TimeText(pt::not_a_date_time), "not-a-date-time");

    SplitMix64 random(2015);
    for (int i = 0; i < 100000; ++i) {
        const pt::ptime time = SampleDecode::Time(static_cast<std::uint32_t>(random.Next()));
        ASSERT_EQ(TimeText(time), pt::to_simple_string(time));
    }
}

TEST(SampleText, AppendFormsAppendTheSameTexts)
{
    RecordFields f = At(9, 30, 5);
    f.flagI = true;
    f.stackRaw = 31;
    f.chargeRate = -17;
    const SamplePtr sample = MakeSample(f);
    const CellMask mask = 0x80005;

    std::string line = "x";
    AppendTimeText(line, sample->GetTime());
    AppendCellLettersText(line, mask);
    AppendCellFlagsCsvText(line, mask);
    AppendFlagsText(line, *sample);
    AppendTemperatureText(line, sample->GetTemperature());
    AppendStackText(line, sample->GetStack());
    AppendChargeRateText(line, sample->GetChargeRate());
    EXPECT_EQ(line, "x" + TimeText(sample->GetTime()) + CellLettersText(mask) + CellFlagsCsvText(mask)
                        + FlagsText(*sample) + TemperatureText(*sample) + StackText(*sample)
                        + ChargeRateText(*sample));
    EXPECT_EQ(line, "x2016-Mar-07 09:30:05" "A C                T" "1,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1"
                    "I" "25.00" "32.0" "-17");
}
