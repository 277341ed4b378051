#include "recording/SampleDecode.h"
#include "recording/SampleIo.h"
#include "test_recordings.h"
#include "tools/SplitMix64.h"

#include <boost/date_time/posix_time/posix_time.hpp>

#include <gtest/gtest.h>

namespace pt = boost::posix_time;
using boost::gregorian::date;

namespace {

pt::ptime Time(int year, int month, int day, int hour, int minute, int second)
{
    return pt::ptime(date(year, month, day), pt::hours(hour) + pt::minutes(minute) + pt::seconds(second));
}

SampleRecord RecordWithWord(int word, std::uint32_t value)
{
    SampleRecord record;
    record.words[word] = value;
    return record;
}

} // namespace

TEST(SampleTime, DecodesWordZeroFromFileBytes)
{
    const struct {
        unsigned char bytes[4];
        pt::ptime expected;
    } cases[] = {
        {{0xCE, 0xFB, 0x3F, 0xF7}, Time(2015, 12, 31, 23, 59, 59)},
        {{0x37, 0x85, 0x40, 0xE9}, Time(2016, 3, 7, 9, 30, 5)},
    };
    for (const auto& c : cases) {
        unsigned char record[SampleRecord::Size] = {};
        std::copy(c.bytes, c.bytes + 4, record);
        EXPECT_EQ(CSample(0, RecordFromBytes(record)).GetTime(), c.expected) << c.expected;
    }
}

TEST(SampleTime, HourMinuteAndSecondCarryWithoutRangeCheck)
{
    const struct {
        RecordFields fields;
        pt::ptime expected;
    } cases[] = {
        {Date(2016, 2, 28, 24, 0, 0), Time(2016, 2, 29, 0, 0, 0)},
        {Date(2016, 3, 7, 9, 60, 0), Time(2016, 3, 7, 10, 0, 0)},
        {Date(2016, 3, 7, 9, 30, 63), Time(2016, 3, 7, 9, 31, 3)},
        {Date(2015, 12, 31, 31, 63, 63), Time(2016, 1, 1, 8, 4, 3)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MakeSample(c.fields)->GetTime(), c.expected) << c.expected;
}

TEST(SampleTime, ImpossibleDateGivesNotADateTime)
{
    const struct {
        RecordFields fields;
        bool valid;
    } cases[] = {
        {Date(2016, 3, 0), false},     // day 0
        {Date(2016, 0, 7), false},     // month 0
        {Date(2016, 13, 7), false},
        {Date(2016, 15, 7), false},
        {Date(2016, 4, 31), false},
        {Date(2015, 2, 29), false},
        {Date(2063, 2, 29), false},
        {Date(2016, 2, 29), true},
        {Date(2000, 2, 29), true},
        {Date(2063, 12, 31), true},
        {Date(2016, 3, 31), true},
    };
    for (const auto& c : cases) {
        const pt::ptime time = MakeSample(c.fields)->GetTime();
        EXPECT_EQ(!time.is_not_a_date_time(), c.valid)
            << c.fields.year << "-" << c.fields.month << "-" << c.fields.day;
    }
}

namespace {

// What SecondsSince2000 must answer, worked out through Boost.
void ExpectSecondsAgreeWithTime(std::uint32_t word0)
{
    const pt::ptime time = SampleDecode::Time(word0);
    std::int64_t seconds = -1;
    const bool valid = SampleDecode::SecondsSince2000(word0, seconds);
    ASSERT_EQ(valid, !time.is_not_a_date_time()) << std::hex << word0;
    if (valid) {
        ASSERT_EQ(seconds, (time - pt::ptime(date(2000, 1, 1))).total_seconds()) << std::hex << word0;
    }
}

} // namespace

TEST(SampleTime, SecondsSince2000AgreesWithTime)
{
    const RecordFields table[] = {
        Date(2000, 1, 1),          Date(2000, 2, 29, 23, 59, 59), Date(2000, 3, 1),
        Date(2015, 2, 29),         Date(2016, 2, 29),             Date(2016, 2, 28, 24, 0, 0),
        Date(2015, 12, 31, 31, 63, 63), Date(2063, 12, 31, 31, 63, 63), Date(2016, 0, 1),
        Date(2016, 13, 1),         Date(2016, 1, 0),              Date(2016, 6, 31),
        Date(2016, 9, 30),         Date(2016, 11, 31),            Date(2063, 1, 1),
    };
    for (const RecordFields& fields : table)
        ExpectSecondsAgreeWithTime(BuildRecord(fields).words[0]);

    SplitMix64 random(20160307);
    for (int i = 0; i < 200000; ++i)
        ExpectSecondsAgreeWithTime(static_cast<std::uint32_t>(random.Next()));
}

TEST(SampleTemperature, RatioBoundariesPickTableEntries)
{
    const struct {
        int value;       // A
        int reference;   // B
        double expected;
    } cases[] = {
        {11, 20, 87.16},      // ratio 1000
        {280, 509, 87.16},    // ratio 1001
        {100, 181, 87.16},    // ratio 1049
        {121, 219, 84.14},    // ratio 1050
        {277, 179, 8.94},     // ratio 20949
        {342, 221, 8.85},     // ratio 20950
        {31, 20, 8.85},       // ratio 21000
        {512, 512, 25.00},    // ratio 10000
        {256, 512, 87.16},    // ratio 0
        {100, 512, 8.85},     // 2A < B wraps around
        {1023, 100, 8.85},    // far above the table
        {512, 0, 8.85},       // no reference
        {0, 0, 8.85},
    };
    for (const auto& c : cases) {
        RecordFields f;
        f.tempValue = c.value;
        f.tempReference = c.reference;
        EXPECT_EQ(MakeSample(f)->GetTemperature(), c.expected) << "A=" << c.value << " B=" << c.reference;
    }
}

TEST(SampleStack, ScalesRawValueByTheConstant)
{
    const struct {
        int raw;
        double expected;
    } cases[] = {{0, 33.0}, {31, 32.0}, {1023, 0.0}};
    for (const auto& c : cases) {
        RecordFields f;
        f.stackRaw = c.raw;
        EXPECT_EQ(MakeSample(f)->GetStack(), c.expected) << c.raw;
    }
}

TEST(SampleStack, MultipliesRatherThanDividesByThirtyOne)
{
    RecordFields f;
    f.stackRaw = 72;   // one of the values where the two differ in the last bit
    ASSERT_NE(33.0 - 72 * 0.03225806451612903, 33.0 - 72 / 31.0);
    EXPECT_EQ(MakeSample(f)->GetStack(), 33.0 - 72 * 0.03225806451612903);
}

TEST(SampleChargeRate, ElevenBitTwosComplement)
{
    const struct {
        std::uint32_t word4;
        std::int16_t expected;
    } cases[] = {
        {0x000, 0},
        {0x3FF, 1023},
        {0x400, -1024},
        {0x7FF, -1},
        {0xFFFFF800u | 0x005, 5},   // undecoded bits are ignored
    };
    for (const auto& c : cases)
        EXPECT_EQ(CSample(0, RecordWithWord(4, c.word4)).GetChargeRate(), c.expected) << std::hex << c.word4;
}

TEST(SampleFields, FlagsAndWholeMaskWords)
{
    RecordFields f;
    f.flagB = true;
    f.ocMask = 0xFFF00005;
    f.odcMask = 0x80000000;
    const SamplePtr sample = MakeSample(f, 7);
    EXPECT_FALSE(sample->GetFlagI());
    EXPECT_TRUE(sample->GetFlagB());
    EXPECT_EQ(sample->GetOCMask(), 0xFFF00005u);
    EXPECT_EQ(sample->GetODCMask(), 0x80000000u);
    EXPECT_EQ(sample->GetCount(), 1);
    EXPECT_EQ(sample->GetIndex(), 7);

    f.flagI = true;
    f.flagB = false;
    EXPECT_TRUE(MakeSample(f)->GetFlagI());
    EXPECT_FALSE(MakeSample(f)->GetFlagB());
}
