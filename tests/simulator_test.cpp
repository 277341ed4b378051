#include "recording/FileMgr.h"
#include "recording/SampleDecode.h"
#include "recording/Segmentation.h"
#include "tools/RecordBuilder.h"
#include "tools/Simulator.h"

#include <gtest/gtest.h>

#include <boost/date_time/posix_time/posix_time_types.hpp>

#include <sstream>
#include <vector>

namespace {

using boost::posix_time::ptime;
using boost::posix_time::seconds;

struct Segmented
{
    SegmentationEnd end;
    std::vector<SessionPtr> sessions;
};

Segmented Segment(const std::vector<SampleRecord>& records)
{
    std::istringstream stream(RecordBytes(records));
    CFileMgr file;
    EXPECT_TRUE(file.Attach(stream));
    Segmented result;
    result.end = SegmentSessions(file, [&](const SessionPtr& s) { result.sessions.push_back(s); });
    return result;
}

TEST(Simulator, SameSeedGivesSameBytes)
{
    EXPECT_EQ(RecordBytes(SimulateRecording(7, 3000)), RecordBytes(SimulateRecording(7, 3000)));
    EXPECT_NE(RecordBytes(SimulateRecording(7, 3000)), RecordBytes(SimulateRecording(8, 3000)));
    const ptime start(boost::gregorian::date(2016, 3, 7));
    EXPECT_EQ(RecordBytes(SimulateSession(7, 500, start)), RecordBytes(SimulateSession(7, 500, start)));
}

TEST(Simulator, RecordingCutsIntoSessionsOfAtLeastTwoDatedSamples)
{
    struct Case { std::uint64_t seed; std::size_t records; std::size_t minSessions; };
    const Case cases[] = {
        {1, 2, 1},
        {2, 3, 1},
        {3, 1001, 1},
        {2015, 20000, 15},       // the demo recording
        {4, 1500000, 1000},      // long enough for the clock to be set back
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.records);
        const auto records = SimulateRecording(c.seed, c.records);
        ASSERT_EQ(records.size(), c.records);
        for (const SampleRecord& r : records) {
            const ptime time = SampleDecode::Time(r.words[0]);
            ASSERT_FALSE(time.is_special());
            ASSERT_GE(time.date().year(), 2015);
            ASSERT_LE(time.date().year(), 2017);
        }
        const Segmented result = Segment(records);
        EXPECT_EQ(result.end, SegmentationEnd::Complete);
        EXPECT_GE(result.sessions.size(), c.minSessions);
        std::size_t total = 0;
        for (const SessionPtr& s : result.sessions) {
            EXPECT_GE(s->SampleCount, 2);
            total += s->SampleCount;
        }
        EXPECT_EQ(total, c.records);
    }
}

TEST(Simulator, DemoRecordingHasOneLongSession)
{
    const Segmented result = Segment(SimulateRecording(2015, 20000));
    EXPECT_LE(result.sessions.size(), 40u);
    std::int32_t longest = 0;
    for (const SessionPtr& s : result.sessions)
        longest = std::max(longest, s->SampleCount);
    EXPECT_GE(longest, 2000);
}

TEST(Simulator, SessionIsOneRunOfOneSecondSteps)
{
    const ptime start(boost::gregorian::date(2016, 12, 31), boost::posix_time::hours(23));
    const Segmented result = Segment(SimulateSession(5, 7200, start));
    ASSERT_EQ(result.end, SegmentationEnd::Complete);
    ASSERT_EQ(result.sessions.size(), 1u);
    EXPECT_EQ(result.sessions[0]->SampleCount, 7200);
    EXPECT_EQ(result.sessions[0]->StartTime, start);
    EXPECT_EQ(result.sessions[0]->EndTime, start + seconds(7199));
}

} // namespace
