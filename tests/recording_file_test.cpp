#include "recording/Messages.h"
#include "recording/RecordingFile.h"
#include "recording/SampleIo.h"
#include "recording/SessionSamples.h"
#include "test_recordings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <sstream>

namespace {

// 20 distinct records with undecoded bits set in every word.
std::vector<RecordFields> TwentyRecords()
{
    std::vector<RecordFields> records;
    for (int i = 0; i < 20; ++i) {
        RecordFields f = At(10, 0, i);
        f.ocMask = 0xABC00000u | static_cast<std::uint32_t>(i);
        f.odcMask = 0x12300000u | static_cast<std::uint32_t>(i << 4);
        f.tempValue = 500 + i;
        f.flagI = i % 2 == 0;
        f.chargeRate = -i;
        f.stackRaw = i * 3;
        f.spareWord3 = 0xFFFFFFFFu;
        f.spareWord4 = 0xFFFFFFFFu;
        records.push_back(f);
    }
    return records;
}

// A stream buffer that reports the given size at its end and holds no bytes.
class SizedBuffer : public std::streambuf
{
public:
    explicit SizedBuffer(std::streamoff size) : m_size(size) {}

protected:
    pos_type seekoff(off_type off, std::ios::seekdir dir, std::ios::openmode) override
    {
        m_position = (dir == std::ios::end ? m_size : dir == std::ios::cur ? m_position : 0) + off;
        return pos_type(m_position);
    }

private:
    std::streamoff m_size;
    std::streamoff m_position = 0;
};

} // namespace

TEST(SampleIo, IndexComesFromStreamPosition)
{
    std::istringstream in(RecordingBytes(TwentyRecords()) + RecordingBytes({At(11, 0, 0)}));
    in.seekg(400);
    const SamplePtr sample = ReadSample(in);
    EXPECT_EQ(sample->GetIndex(), 20);
    EXPECT_EQ(sample->GetTime(), MakeSample(At(11, 0, 0))->GetTime());
}

TEST(SampleIo, ReadThenWriteReproducesEveryByte)
{
    const std::string bytes = RecordingBytes(TwentyRecords());
    std::istringstream in(bytes);
    std::ostringstream out;
    for (int i = 0; i < 20; ++i)
        WriteSample(out, *ReadSample(in));
    EXPECT_EQ(out.str(), bytes);
}

TEST(SampleIo, ShortReadKeepsArrivedBytesAndFailsStream)
{
    std::istringstream in(std::string("\xCE\xFB\x3F\xF7\x01", 5));
    const SamplePtr sample = ReadSample(in);
    EXPECT_TRUE(in.fail());
    EXPECT_EQ(sample->Record().words[0], 0xCEFB3FF7u);
    EXPECT_EQ(sample->Record().words[1], 0x01000000u);
    EXPECT_EQ(sample->Record().words[4], 0u);

    const SamplePtr afterFailure = ReadSample(in);
    EXPECT_EQ(afterFailure->GetIndex(), 0);
}

TEST(FileMgr, ReadNextGivesNullForAPartialRecord)
{
    std::istringstream in(RecordingBytes({At(10, 0, 0)}) + "short");
    CFileMgr file;
    file.Stream = &in;
    EXPECT_TRUE(file.ReadNext());
    EXPECT_FALSE(file.ReadNext());
    EXPECT_FALSE(CFileMgr().ReadNext());   // no stream
}

TEST(FileMgr, SizeBeyondThirtyTwoBitCounts)
{
    const std::uint64_t most = std::numeric_limits<std::int32_t>::max();
    const struct {
        std::uint64_t size;
        bool accepted;
        std::uint32_t sampleCount;
        std::string refusal;
    } cases[] = {
        {most * 20, true, static_cast<std::uint32_t>(most), ""},
        {(most + 1) * 20, false, 0, Messages::TooManySamples},
        {(most + 1) * 20 + 1, false, 0, Messages::FileSizeNotMultiple},
    };
    for (const auto& c : cases) {
        SizedBuffer buffer(static_cast<std::streamoff>(c.size));
        std::istream stream(&buffer);
        CFileMgr file;
        EXPECT_EQ(file.Attach(stream), c.accepted) << c.size;
        EXPECT_EQ(file.FileSize, c.size);
        EXPECT_EQ(file.SampleCount, c.sampleCount);
        EXPECT_EQ(file.RefusalText(), c.refusal);
        EXPECT_EQ(file.Stream, &stream);
    }
}

TEST(RecordingFile, SizeDecidesWhetherTheFileOpens)
{
    TempDir dir;
    const struct {
        std::size_t size;
        bool opens;
        std::uint32_t sampleCount;
    } cases[] = {{0, true, 0}, {19, false, 0}, {40, true, 2}, {41, false, 0}};
    for (const auto& c : cases) {
        const std::string path = dir.Write("size.kvd", std::string(c.size, '\x11'));
        OpenedRecording opened;
        std::string error;
        ASSERT_EQ(OpenRecording(path, opened, error), c.opens) << c.size;
        if (c.opens) {
            EXPECT_EQ(opened.file.FileSize, c.size);
            EXPECT_EQ(opened.file.SampleCount, c.sampleCount);
            EXPECT_EQ(opened.file.Path, path);
            EXPECT_EQ(opened.file.Stream, opened.stream.get());
        } else {
            EXPECT_EQ(error, Messages::FileSizeNotMultiple);
        }
    }
}

TEST(RecordingFile, MissingFileNamesThePath)
{
    TempDir dir;
    const std::string path = (dir.path / "missing.kvd").string();
    OpenedRecording opened;
    std::string error;
    EXPECT_FALSE(OpenRecording(path, opened, error));
    EXPECT_EQ(error, "Error opening " + path);
}

TEST(RecordingFile, SecondOpenReplacesTheFirst)
{
    TempDir dir;
    OpenedRecording opened;
    std::string error;
    ASSERT_TRUE(OpenRecording(dir.Write("a.kvd", RecordingBytes({At(1, 0, 0), At(1, 0, 1), At(1, 0, 2)})),
                              opened, error));
    const std::string second = dir.Write("b.kvd", RecordingBytes({At(2, 0, 0)}));
    ASSERT_TRUE(OpenRecording(second, opened, error));
    EXPECT_EQ(opened.file.FileSize, 20u);
    EXPECT_EQ(opened.file.SampleCount, 1u);
    EXPECT_EQ(opened.file.Path, second);
    opened.file.Stream->seekg(0);
    EXPECT_EQ(opened.file.ReadNext()->GetTime(), MakeSample(At(2, 0, 0))->GetTime());
}

TEST(RecordingFile, FailedOpenLeavesThePreviousFile)
{
    TempDir dir;
    const std::string good = dir.Write("good.kvd", RecordingBytes({At(1, 0, 0), At(1, 0, 1)}));
    const std::string refused[] = {dir.Write("odd.kvd", std::string(41, '\0')),
                                   (dir.path / "missing.kvd").string()};
    for (const std::string& path : refused) {
        OpenedRecording opened;
        std::string error;
        ASSERT_TRUE(OpenRecording(good, opened, error));
        std::istream* const stream = opened.file.Stream;
        ASSERT_FALSE(OpenRecording(path, opened, error)) << path;
        EXPECT_EQ(opened.file.Stream, stream);
        EXPECT_EQ(opened.file.Path, good);
        EXPECT_EQ(opened.file.SampleCount, 2u);
        stream->seekg(20);
        EXPECT_EQ(opened.file.ReadNext()->GetIndex(), 1);
    }
}

TEST(SessionSamples, ReadsTheSessionRecordsFromItsStart)
{
    std::vector<RecordFields> records;
    for (int i = 0; i < 2500; ++i)
        records.push_back(At(i / 3600, i / 60 % 60, i % 60));
    TempDir dir;
    OpenedRecording opened;
    std::string error;
    ASSERT_TRUE(OpenRecording(dir.Write("s.kvd", RecordingBytes(records)), opened, error));
    const CSession session(MakeSample(records[100], 100), MakeSample(records[2199], 2199));
    std::vector<SamplePtr> samples;
    ASSERT_TRUE(ReadSessionSamples(opened.file, session, samples));
    ASSERT_EQ(samples.size(), 2100u);
    for (int i = 0; i < 2100; ++i) {
        ASSERT_EQ(samples[i]->GetIndex(), 100 + i);
        ASSERT_EQ(samples[i]->Record().words[0], BuildRecord(records[100 + i]).words[0]);
    }
}

TEST(SessionSamples, FalseWhenTheFileEndsEarly)
{
    TempDir dir;
    const std::string path = dir.Write("s.kvd", RecordingBytes(TwentyRecords()));
    OpenedRecording opened;
    std::string error;
    ASSERT_TRUE(OpenRecording(path, opened, error));
    std::filesystem::resize_file(path, 7 * 20 + 3);
    const CSession session(MakeSample(At(10, 0, 5), 5), MakeSample(At(10, 0, 8), 8));
    std::vector<SamplePtr> samples;
    EXPECT_FALSE(ReadSessionSamples(opened.file, session, samples));
    EXPECT_EQ(samples.size(), 2u);
}
