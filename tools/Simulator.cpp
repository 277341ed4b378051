#include "tools/Simulator.h"

#include "tools/RecordBuilder.h"
#include "tools/SimulatedPack.h"
#include "tools/SplitMix64.h"

#include <boost/date_time/posix_time/posix_time_types.hpp>

#include <algorithm>

using boost::gregorian::date;
using boost::posix_time::hours;
using boost::posix_time::minutes;
using boost::posix_time::ptime;
using boost::posix_time::seconds;

namespace {

const ptime EarliestStart(date(2015, 1, 1));
const ptime LatestEnd(date(2018, 1, 1));

enum class Steps { OneSecond, WithLongerSteps };

void SetTime(RecordFields& fields, const ptime& time)
{
    const auto day = time.date().year_month_day();
    const auto clock = time.time_of_day();
    fields.year = day.year;
    fields.month = day.month;
    fields.day = day.day;
    fields.hour = static_cast<int>(clock.hours());
    fields.minute = static_cast<int>(clock.minutes());
    fields.second = static_cast<int>(clock.seconds());
}

seconds NextStep(SplitMix64& random, Steps steps)
{
    if (steps == Steps::WithLongerSteps && random.OneIn(100))
        return seconds(random.Between(2, 5));
    return seconds(1);
}

// Appends a session of length samples; returns the time of its last sample.
ptime AppendSession(std::vector<SampleRecord>& records, SimulatedPack& pack, SplitMix64& random,
                    ptime time, std::size_t length, Steps steps)
{
    RecordFields fields;
    for (std::size_t i = 0; i < length; ++i) {
        if (i > 0)
            time += NextStep(random, steps);
        SetTime(fields, time);
        pack.Step(fields);
        records.push_back(BuildRecord(fields));
    }
    return time;
}

// Mostly tens or hundreds of samples, now and then a few thousand. Never leaves a single
// record for the session after it.
std::size_t NextSessionLength(SplitMix64& random, std::size_t remaining)
{
    std::size_t length;
    if (random.OneIn(12))
        length = random.Between(2000, 6000);
    else if (random.OneIn(3))
        length = random.Between(10, 99);
    else
        length = random.Between(100, 999);
    return remaining - std::min(length, remaining) < 2 ? remaining : length;
}

boost::posix_time::time_duration NextGap(SplitMix64& random)
{
    const auto kind = random.Between(0, 19);
    if (kind < 10)
        return minutes(random.Between(1, 59));
    if (kind < 17)
        return hours(random.Between(1, 23)) + minutes(random.Between(0, 59));
    return hours(24 * random.Between(1, 3)) + hours(random.Between(0, 23));
}

// The start itself, or an early 2015 time when a session of length samples might run past 2017:
// the recorder's clock was set back.
ptime KeepInRange(SplitMix64& random, const ptime& start, std::size_t length)
{
    if (start + seconds(static_cast<long>(5 * length)) < LatestEnd)
        return start;
    return EarliestStart + minutes(random.Between(0, 30 * 24 * 60));
}

} // namespace

std::vector<SampleRecord> SimulateRecording(std::uint64_t seed, std::size_t recordCount)
{
    SplitMix64 random(seed);
    SimulatedPack pack(random);
    std::vector<SampleRecord> records;
    records.reserve(recordCount);
    ptime start = EarliestStart + minutes(random.Between(0, 30 * 24 * 60));
    while (records.size() < recordCount) {
        const std::size_t length = NextSessionLength(random, recordCount - records.size());
        start = KeepInRange(random, start, length);
        pack.Rest();
        start = AppendSession(records, pack, random, start, length, Steps::WithLongerSteps)
              + NextGap(random);
    }
    return records;
}

std::vector<SampleRecord> SimulateSession(std::uint64_t seed, std::size_t sampleCount,
                                          const ptime& start)
{
    SplitMix64 random(seed);
    SimulatedPack pack(random);
    std::vector<SampleRecord> records;
    records.reserve(sampleCount);
    AppendSession(records, pack, random, start, sampleCount, Steps::OneSecond);
    return records;
}
