#include "export/CsvFormat.h"
#include "export/DefaultNames.h"
#include "export/SessionFiles.h"
#include "recording/SampleIo.h"
#include "recording/SummaryBuilder.h"
#include "tests/support/FileChecks.h"
#include "tests/test_recordings.h"

#include <boost/date_time/posix_time/posix_time_types.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>

namespace {

using boost::gregorian::date;
using boost::posix_time::ptime;
using boost::posix_time::time_duration;

std::string Repeat(const std::string& piece, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

// Twenty cells, none set.
const std::string NoCells = "0" + Repeat(",0", 19);

std::string CsvOf(const std::vector<SamplePtr>& samples)
{
    std::string out;
    EXPECT_TRUE(StreamCsv(samples.begin(), samples.end(), [&](std::string_view bytes) {
        out.append(bytes);
        return true;
    }));
    return out;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::size_t FieldCount(const std::string& line)
{
    return static_cast<std::size_t>(std::count(line.begin(), line.end(), ',')) + 1;
}

// Samples of one session from 10:00:00 whose fields all change from one to the next.
std::vector<SamplePtr> VariedSamples(int count)
{
    std::vector<SamplePtr> samples;
    for (int i = 0; i < count; ++i) {
        RecordFields f = At(10 + i / 3600, i / 60 % 60, i % 60);
        f.ocMask = static_cast<std::uint32_t>(i * 2654435761u);
        f.odcMask = static_cast<std::uint32_t>(i * 40503u);
        f.tempValue = 200 + i % 800;
        f.tempReference = 300 + i % 700;
        f.flagI = i % 3 == 0;
        f.flagB = i % 5 == 0;
        f.chargeRate = i % 2048 - 1024;
        f.stackRaw = i % 1024;
        f.spareWord3 = static_cast<std::uint32_t>(i * 7919u);
        f.spareWord4 = static_cast<std::uint32_t>(i * 104729u);
        samples.push_back(MakeSample(f, i));
    }
    return samples;
}

} // namespace

// The format of the lines.

TEST(CsvFormat, HeaderNamesTheFortyFiveColumns)
{
    EXPECT_EQ(CsvHeader(), "Time,Flags,"
                           "OCA,OCB,OCC,OCD,OCE,OCF,OCG,OCH,OCI,OCJ,OCK,"
                           "OCL,OCM,OCN,OCO,OCP,OCQ,OCR,OCS,OCT,"
                           "ODCA,ODCB,ODCC,ODCD,ODCE,ODCF,ODCG,ODCH,ODCI,ODCJ,ODCK,"
                           "ODCL,ODCM,ODCN,ODCO,ODCP,ODCQ,ODCR,ODCS,ODCT,"
                           "Temp,Stack,Charge Rate\n");
}

TEST(CsvFormat, EveryFieldOfAHandBuiltSample)
{
    RecordFields example = Date(2015, 12, 31, 23, 59, 59);
    example.flagI = true;
    example.ocMask = 0x5;   // cells A and C
    example.tempValue = example.tempReference = 512;
    example.stackRaw = 31;
    example.chargeRate = -17;

    RecordFields low = Date(2016, 3, 7, 9, 30, 5);
    low.tempValue = 100;   // 2A < B: the top of the table
    low.tempReference = 512;
    low.stackRaw = 868;    // 33 - 28
    low.chargeRate = -1024;

    RecordFields high = Date(2017, 1, 1, 0, 0, 0);
    high.flagI = high.flagB = true;
    high.ocMask = 0xFFFFFFFF;                 // undecoded bits 20-31 set as well
    high.odcMask = 0xABC00000 | 1u << 19;     // cell T
    high.tempValue = 256;                     // ratio 0
    high.tempReference = 512;
    high.stackRaw = 0;
    high.chargeRate = 0;
    high.spareWord3 = 0xFFFFFFFF;
    high.spareWord4 = 0xFFFFFFFF;

    RecordFields carried = Date(2016, 2, 28, 24, 0, 0);
    carried.flagB = true;
    carried.ocMask = 1u << 19;
    carried.stackRaw = 1023;
    carried.chargeRate = 1023;

    RecordFields undecodable = Date(2016, 0, 7, 10, 0, 0);   // month 0

    const struct {
        const char* name;
        RecordFields fields;
        std::string line;
    } cases[] = {
        {"example", example, "2015-Dec-31 23:59:59,I,1,0,1" + Repeat(",0", 17) + "," + NoCells + ",25.00,32.0,-17\n"},
        {"leading blanks, no flags", low, "2016-Mar-07 09:30:05,,0" + Repeat(",0", 19) + "," + NoCells
                                              + ", 8.85, 5.0,-1024\n"},
        {"no blanks, both flags", high, "2017-Jan-01 00:00:00,IB,1" + Repeat(",1", 19) + ",0" + Repeat(",0", 18)
                                            + ",1,87.16,33.0,0\n"},
        {"carried hour, flag B", carried, "2016-Feb-29 00:00:00,B,0" + Repeat(",0", 18) + ",1," + NoCells
                                              + ",25.00, 0.0,1023\n"},
        {"undecodable time", undecodable, "not-a-date-time,," + NoCells + "," + NoCells + ",25.00,33.0,0\n"},
    };
    for (const auto& c : cases) {
        std::string line;
        AppendCsvLine(line, *MakeSample(c.fields));
        EXPECT_EQ(line, c.line) << c.name;
    }
}

TEST(CsvFormat, RawSessionGivesOneLinePerSampleAndFilteredOnePerSummary)
{
    RecordFields first = At(10, 0, 0);
    first.ocMask = 0x1;
    first.flagI = true;
    first.chargeRate = 5;
    RecordFields second = At(10, 0, 1);
    second.ocMask = 0x1;
    second.flagB = true;
    second.tempValue = 522;   // 23.04
    second.tempReference = 500;
    second.stackRaw = 31;
    second.chargeRate = -3;
    RecordFields third = At(10, 0, 2);
    third.ocMask = 0x2;
    third.odcMask = 0x80000;
    const std::vector<SamplePtr> samples = {MakeSample(first, 0), MakeSample(second, 1), MakeSample(third, 2)};

    const std::string cellA = "1" + Repeat(",0", 19);
    const std::string thirdLine = "2016-Mar-07 10:00:02,,0,1" + Repeat(",0", 18) + "," + Repeat("0,", 19) + "1"
                                + ",25.00,33.0,0\n";
    const std::string header(CsvHeader());
    EXPECT_EQ(CsvOf(samples), header
                                  + "2016-Mar-07 10:00:00,I," + cellA + "," + NoCells + ",25.00,33.0,5\n"
                                  + "2016-Mar-07 10:00:01,B," + cellA + "," + NoCells + ",23.04,32.0,-3\n"
                                  + thirdLine);
    EXPECT_EQ(CsvOf(BuildSummaries(samples)), header
                                                  + "2016-Mar-07 10:00:00,IB," + cellA + "," + NoCells
                                                  + ",24.02,32.5,1\n"
                                                  + thirdLine);
}

TEST(CsvFormat, ManyLinesAcrossChunksKeepEveryLineWhole)
{
    const std::vector<SamplePtr> samples = VariedSamples(20000);
    std::string expected(CsvHeader());
    for (const SamplePtr& sample : samples)
        AppendCsvLine(expected, *sample);

    std::string out;
    int chunks = 0;
    ASSERT_TRUE(StreamCsv(samples.begin(), samples.end(), [&](std::string_view bytes) {
        out.append(bytes);
        ++chunks;
        return true;
    }));
    EXPECT_GT(chunks, 1);
    EXPECT_EQ(out, expected);
    const std::vector<std::string> lines = Lines(out);
    ASSERT_EQ(lines.size(), samples.size() + 1);
    for (std::size_t i = 0; i < lines.size(); ++i)
        ASSERT_EQ(FieldCount(lines[i]), 45u) << "line " << i + 1 << ": " << lines[i];
}

TEST(CsvFormat, EmptyListGivesTheHeaderAlone)
{
    EXPECT_EQ(CsvOf({}), std::string(CsvHeader()));
}

// The records of an extraction.

TEST(RecordStream, EqualsWriteSampleOfEverySample)
{
    // More than one chunk of records, undecoded bits included.
    const std::vector<SamplePtr> samples = VariedSamples(60000);
    std::ostringstream written;
    for (const SamplePtr& sample : samples)
        WriteSample(written, *sample);

    std::string streamed;
    ASSERT_TRUE(StreamRecords(samples.begin(), samples.end(), [&](std::string_view bytes) {
        streamed.append(bytes);
        return true;
    }));
    EXPECT_EQ(streamed.size(), 20u * samples.size());
    EXPECT_EQ(streamed, written.str());
}

TEST(RecordStream, RefusingSinkStopsEitherStream)
{
    const std::vector<SamplePtr> samples = VariedSamples(3);
    const std::function<bool(const ByteSink&)> streams[] = {
        [&](const ByteSink& sink) { return StreamCsv(samples.begin(), samples.end(), sink); },
        [&](const ByteSink& sink) { return StreamRecords(samples.begin(), samples.end(), sink); },
    };
    for (const auto& stream : streams) {
        int calls = 0;
        EXPECT_FALSE(stream([&](std::string_view) {
            ++calls;
            return false;
        }));
        EXPECT_EQ(calls, 1);
    }
}

// Default names.

TEST(DefaultNames, FromTheSessionsStartWithoutSeconds)
{
    const struct {
        ptime start;
        std::string csv;
        std::string extract;
    } cases[] = {
        {ptime(date(2016, 3, 7), time_duration(9, 30, 5)), "2016-0307-0930.csv", "Extract 2016-0307-0930.kvd"},
        {ptime(date(2015, 12, 31), time_duration(23, 59, 59)), "2015-1231-2359.csv", "Extract 2015-1231-2359.kvd"},
        {ptime(date(2063, 1, 1)), "2063-0101-0000.csv", "Extract 2063-0101-0000.kvd"},
        {ptime(boost::posix_time::not_a_date_time), "session.csv", "Extract session.kvd"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DefaultCsvName(c.start), c.csv);
        EXPECT_EQ(DefaultExtractName(c.start), c.extract);
    }
}

// Writing the files.

namespace {

struct Writer
{
    const char* name;
    std::function<WriteOutcome(const std::string&, const std::vector<SamplePtr>&)> write;
    std::function<std::string(const std::vector<SamplePtr>&)> bytes;
};

std::string RecordBytesOf(const std::vector<SamplePtr>& samples)
{
    std::ostringstream out;
    for (const SamplePtr& sample : samples)
        WriteSample(out, *sample);
    return out.str();
}

const Writer Writers[] = {
    {"csv", [](const std::string& path, const std::vector<SamplePtr>& s) { return WriteCsvFile(path, s.begin(), s.end()); },
     CsvOf},
    {"kvd",
     [](const std::string& path, const std::vector<SamplePtr>& s) { return WriteRecordingFile(path, s.begin(), s.end()); },
     RecordBytesOf},
};

} // namespace

TEST(SessionFiles, ReplaceEarlierContentCompletelyAndAgainIdentically)
{
    const std::vector<SamplePtr> samples = VariedSamples(50);
    for (const Writer& writer : Writers) {
        TempDir dir;
        const std::string target = dir.Write(std::string("out.") + writer.name, std::string(100000, 'x'));
        ASSERT_EQ(writer.write(target, samples), WriteOutcome::Written) << writer.name;
        const std::string first = FileBytes(target);
        EXPECT_EQ(first, writer.bytes(samples)) << writer.name;
        ASSERT_EQ(writer.write(target, samples), WriteOutcome::Written) << writer.name;
        EXPECT_EQ(FileBytes(target), first) << writer.name;
        EXPECT_EQ(FolderEntries(dir.path), std::set<std::string>{std::string("out.") + writer.name});
    }
}

TEST(SessionFiles, FailedWriteLeavesTheTargetAsItWasAndNoTemporaryFile)
{
    const std::vector<SamplePtr> samples = VariedSamples(2000);   // over 20 KB either way
    const std::string earlier = "earlier content\n";
    for (const Writer& writer : Writers) {
        const std::string name = std::string("out.") + writer.name;
        {
            SCOPED_TRACE(std::string(writer.name) + ", disk full, earlier file");
            TempDir dir;
            const std::string target = dir.Write(name, earlier);
            WriteOutcome outcome;
            {
                FileSizeLimit full(4096);
                outcome = writer.write(target, samples);
            }
            EXPECT_EQ(outcome, WriteOutcome::WriteFailed);
            EXPECT_EQ(FileBytes(target), earlier);
            EXPECT_EQ(FolderEntries(dir.path), std::set<std::string>{name});
        }
        {
            SCOPED_TRACE(std::string(writer.name) + ", disk full, no earlier file");
            TempDir dir;
            WriteOutcome outcome;
            {
                FileSizeLimit full(4096);
                outcome = writer.write((dir.path / name).string(), samples);
            }
            EXPECT_EQ(outcome, WriteOutcome::WriteFailed);
            EXPECT_TRUE(FolderEntries(dir.path).empty());
        }
        {
            SCOPED_TRACE(std::string(writer.name) + ", missing folder");
            TempDir dir;
            EXPECT_EQ(writer.write((dir.path / "missing" / name).string(), samples), WriteOutcome::OpenFailed);
            EXPECT_TRUE(FolderEntries(dir.path).empty());
        }
        {
            SCOPED_TRACE(std::string(writer.name) + ", a folder in the way");
            TempDir dir;
            std::filesystem::create_directory(dir.path / name);
            EXPECT_EQ(writer.write((dir.path / name).string(), samples), WriteOutcome::WriteFailed);
            EXPECT_TRUE(std::filesystem::is_directory(dir.path / name));
            EXPECT_EQ(FolderEntries(dir.path), std::set<std::string>{name});
        }
    }
}

TEST(SessionFiles, ProducerThatStopsLeavesTheTargetAsItWas)
{
    TempDir dir;
    const std::string target = dir.Write("out.csv", "earlier");
    const auto stopsHalfway = [](const ByteSink& sink) {
        sink("part");
        return false;
    };
    EXPECT_EQ(WriteFileThrough(target, stopsHalfway), WriteOutcome::WriteFailed);
    EXPECT_EQ(FileBytes(target), "earlier");
    EXPECT_EQ(FolderEntries(dir.path), std::set<std::string>{"out.csv"});
}

TEST(SessionFiles, OutcomeMessages)
{
    EXPECT_EQ(OutcomeMessage(WriteOutcome::OpenFailed, "/no/such/a.csv"), "Error opening /no/such/a.csv");
    EXPECT_EQ(OutcomeMessage(WriteOutcome::WriteFailed, "/full/a.kvd"), "Error writing /full/a.kvd");
    EXPECT_EQ(OutcomeMessage(WriteOutcome::Written, "/a.csv"), "");
}
