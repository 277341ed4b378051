#include "recording/RecordingFile.h"
#include "recording/SampleDecode.h"
#include "recording/Segmentation.h"
#include "test_recordings.h"

#include <boost/date_time/posix_time/posix_time.hpp>
#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

namespace {

using IndexRange = std::pair<int, int>;   // StartIndex, EndIndex

struct Segmented
{
    SegmentationEnd end;
    std::vector<SessionPtr> sessions;

    std::vector<IndexRange> Ranges() const
    {
        std::vector<IndexRange> ranges;
        for (const SessionPtr& s : sessions)
            ranges.emplace_back(s->StartIndex, s->EndIndex);
        return ranges;
    }
};

Segmented SegmentFile(const std::string& path)
{
    OpenedRecording opened;
    std::string error;
    EXPECT_TRUE(OpenRecording(path, opened, error)) << error;
    Segmented result;
    result.end = SegmentSessions(opened.file, [&](const SessionPtr& s) { result.sessions.push_back(s); });
    return result;
}

Segmented Segment(const std::vector<RecordFields>& records)
{
    TempDir dir;
    return SegmentFile(dir.Write("segment.kvd", RecordingBytes(records)));
}

RecordFields InvalidDate(int hour, int minute, int second)
{
    RecordFields f = At(hour, minute, second);
    f.day = 0;
    return f;
}

} // namespace

TEST(Segmentation, CutsWhereTheStepIsNegativeOrLongerThanFiveSeconds)
{
    const struct {
        const char* name;
        std::vector<RecordFields> records;
        std::vector<IndexRange> sessions;
        SegmentationEnd end;
    } cases[] = {
        {"steps of exactly 5 s join", {At(10, 0, 0), At(10, 0, 5), At(10, 0, 10)}, {{0, 2}},
         SegmentationEnd::Complete},
        {"a 6 s step breaks", {At(10, 0, 0), At(10, 0, 1), At(10, 0, 7), At(10, 0, 8)}, {{0, 1}, {2, 3}},
         SegmentationEnd::Complete},
        {"equal time joins, a step back breaks", {At(10, 0, 0), At(10, 0, 1), At(10, 0, 1), At(10, 0, 0)},
         {{0, 2}}, SegmentationEnd::LoneFinalSample},
        {"second sample joins untested", {At(10, 0, 0), At(11, 0, 0), At(11, 0, 1)}, {{0, 2}},
         SegmentationEnd::Complete},
        {"second sample of a later session joins untested",
         {At(10, 0, 0), At(10, 0, 1), At(12, 0, 0), At(13, 0, 0), At(13, 0, 1)}, {{0, 1}, {2, 4}},
         SegmentationEnd::Complete},
        {"two records an hour apart", {At(10, 0, 0), At(11, 0, 0)}, {{0, 1}}, SegmentationEnd::Complete},
        {"a single record", {At(10, 0, 0)}, {}, SegmentationEnd::LoneFinalSample},
        {"an empty file", {}, {}, SegmentationEnd::Complete},
        {"midnight joins the next date", {At(23, 59, 58), At(23, 59, 59), [] {
             RecordFields f = At(0, 0, 0);
             f.day = 8;
             return f;
         }()}, {{0, 2}}, SegmentationEnd::Complete},
        {"a step into an undecodable date breaks", {At(10, 0, 0), At(10, 0, 1), InvalidDate(10, 0, 2),
         InvalidDate(10, 0, 3)}, {{0, 1}, {2, 3}}, SegmentationEnd::Complete},
        {"a step out of an undecodable date breaks", {InvalidDate(10, 0, 0), InvalidDate(10, 0, 1),
         At(10, 0, 2), At(10, 0, 3)}, {{0, 1}, {2, 3}}, SegmentationEnd::Complete},
        {"steps between undecodable dates break", {InvalidDate(10, 0, 0), InvalidDate(10, 0, 1),
         InvalidDate(10, 0, 1)}, {{0, 1}}, SegmentationEnd::LoneFinalSample},
        {"an undecodable second sample joins untested", {At(10, 0, 0), InvalidDate(10, 0, 1),
         At(10, 0, 2), At(10, 0, 3)}, {{0, 1}, {2, 3}}, SegmentationEnd::Complete},
    };
    for (const auto& c : cases) {
        const Segmented result = Segment(c.records);
        EXPECT_EQ(result.Ranges(), c.sessions) << c.name;
        EXPECT_EQ(result.end, c.end) << c.name;
    }
}

TEST(Segmentation, SessionHoldsTimesAndCountOfItsEnds)
{
    const Segmented result = Segment({At(9, 0, 0), At(9, 0, 4), At(9, 0, 10), At(9, 30, 0), At(9, 30, 1)});
    ASSERT_EQ(result.sessions.size(), 2u);
    const CSession& second = *result.sessions[1];
    EXPECT_EQ(second.StartIndex, 2);
    EXPECT_EQ(second.StartTime, MakeSample(At(9, 0, 10))->GetTime());
    EXPECT_EQ(second.EndIndex, 4);
    EXPECT_EQ(second.EndTime, MakeSample(At(9, 30, 1))->GetTime());
    EXPECT_EQ(second.SampleCount, 3);

    const Segmented undecodable = Segment({InvalidDate(9, 0, 0), At(9, 0, 1)});
    ASSERT_EQ(undecodable.sessions.size(), 1u);
    EXPECT_TRUE(undecodable.sessions[0]->StartTime.is_not_a_date_time());
}

TEST(Segmentation, SessionsCrossReadBlocks)
{
    // Session 1 spans the first block edge, session 2 ends on the last record of the second
    // block and session 3 starts on the first record of the third.
    const int block = static_cast<int>(SegmentationBlockRecords);
    const std::vector<IndexRange> expected = {
        {0, 999}, {1000, block + 499}, {block + 500, 2 * block - 1}, {2 * block, 2 * block + 699}};
    std::vector<RecordFields> records;
    for (std::size_t session = 0; session < expected.size(); ++session) {
        for (int i = 0; i <= expected[session].second - expected[session].first; ++i) {
            RecordFields f = At(i / 3600, i / 60 % 60, i % 60);
            f.day = static_cast<int>(session) + 1;
            records.push_back(f);
        }
    }
    const Segmented result = Segment(records);
    EXPECT_EQ(result.Ranges(), expected);
    EXPECT_EQ(result.end, SegmentationEnd::Complete);
    EXPECT_EQ(result.sessions[2]->EndTime, SampleDecode::Time(BuildRecord(records[2 * block - 1]).words[0]));
    EXPECT_EQ(result.sessions[3]->StartTime, SampleDecode::Time(BuildRecord(records[2 * block]).words[0]));
}

TEST(Segmentation, ReadErrorKeepsSessionsHandedOnBefore)
{
    TempDir dir;
    std::vector<RecordFields> records = {At(10, 0, 0), At(10, 0, 1), At(11, 0, 0), At(11, 0, 1)};
    const int count = static_cast<int>(2 * SegmentationBlockRecords);
    for (int i = 0; i < count; ++i)
        records.push_back(At(12 + i / 3600, i / 60 % 60, i % 60));
    const std::string path = dir.Write("cut.kvd", RecordingBytes(records));
    OpenedRecording opened;
    std::string error;
    ASSERT_TRUE(OpenRecording(path, opened, error));
    std::filesystem::resize_file(path, (count - 100) * 20);

    std::vector<SessionPtr> sessions;
    EXPECT_EQ(SegmentSessions(opened.file, [&](const SessionPtr& s) { sessions.push_back(s); }),
              SegmentationEnd::ReadError);
    ASSERT_EQ(sessions.size(), 2u);
    EXPECT_EQ(sessions[1]->EndIndex, 3);
}

TEST(Segmentation, ReadsFromTheStartWhateverTheStreamState)
{
    TempDir dir;
    OpenedRecording opened;
    std::string error;
    ASSERT_TRUE(OpenRecording(dir.Write("twice.kvd", RecordingBytes({At(1, 0, 0), At(1, 0, 1), At(1, 0, 2)})),
                              opened, error));
    char rest[64];
    opened.file.Stream->seekg(40);
    opened.file.Stream->read(rest, sizeof rest);   // leaves the stream failed at its end
    int sessions = 0;
    EXPECT_EQ(SegmentSessions(opened.file, [&](const SessionPtr& s) {
                  ++sessions;
                  EXPECT_EQ(s->SampleCount, 3);
              }),
              SegmentationEnd::Complete);
    EXPECT_EQ(sessions, 1);
}
