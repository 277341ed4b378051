#include "test_recordings.h"
#include "support/FileChecks.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

struct CliResult
{
    int status;
    std::string out;
    std::string err;
};

std::string Quoted(const std::string& text)
{
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string FileText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs kovelo-cli; a fileSizeBlocks above 0 limits every file it writes to that many KiB.
CliResult RunCli(const TempDir& dir, const std::vector<std::string>& arguments, int fileSizeBlocks = 0)
{
    std::string command = Quoted(KOVELO_CLI);
    if (fileSizeBlocks > 0)
        command = "bash -c " + Quoted("ulimit -f " + std::to_string(fileSizeBlocks) + "; exec \"$0\" \"$@\"") + " "
                + command;
    for (const std::string& argument : arguments)
        command += " " + Quoted(argument);
    command += " >" + Quoted((dir.path / "stdout").string());
    command += " 2>" + Quoted((dir.path / "stderr").string());
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, FileText(dir.path / "stdout"), FileText(dir.path / "stderr")};
}

// Session 1: records 0-2, session 2: records 3-4.
std::vector<RecordFields> TwoSessions()
{
    RecordFields first = At(10, 0, 0);
    first.ocMask = 0x1;
    first.flagI = true;
    first.chargeRate = 5;
    RecordFields second = At(10, 0, 1);
    second.ocMask = 0x1;
    second.flagB = true;
    second.tempValue = 522;
    second.tempReference = 500;
    second.stackRaw = 31;
    second.chargeRate = -3;
    RecordFields third = At(10, 0, 2);
    third.ocMask = 0x2;
    third.odcMask = 0x80000;
    third.stackRaw = 1023;
    third.chargeRate = -1024;
    return {first, second, third, At(10, 0, 10), At(10, 0, 11)};
}

const std::string SessionsHeader = "#\tStart\tEnd\tSamples\n";
const std::string SamplesHeader = "Time\tF\tOC\tODC\tTemp\tStack\tCharge\tCount\n";
const std::string NoCells = "                    ";
const std::string CsvHeader = "Time,Flags,OCA,OCB,OCC,OCD,OCE,OCF,OCG,OCH,OCI,OCJ,OCK,OCL,OCM,OCN,OCO,OCP,OCQ,OCR,OCS,"
                              "OCT,ODCA,ODCB,ODCC,ODCD,ODCE,ODCF,ODCG,ODCH,ODCI,ODCJ,ODCK,ODCL,ODCM,ODCN,ODCO,ODCP,"
                              "ODCQ,ODCR,ODCS,ODCT,Temp,Stack,Charge Rate\n";
const std::string NoCsvCells = "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0";

// A session of count samples one second apart from 10:00:00.
std::vector<RecordFields> LongSession(int count)
{
    std::vector<RecordFields> records;
    for (int i = 0; i < count; ++i)
        records.push_back(At(10 + i / 3600, i / 60 % 60, i % 60));
    return records;
}

} // namespace

TEST(Cli, SessionsListsEverySession)
{
    TempDir dir;
    std::vector<RecordFields> records = TwoSessions();
    records.push_back(At(11, 0, 0));
    const CliResult result = RunCli(dir, {"sessions", dir.Write("r.kvd", RecordingBytes(records))});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, SessionsHeader
                              + "1\t2016-Mar-07 10:00:00\t2016-Mar-07 10:00:02\t3\n"
                                "2\t2016-Mar-07 10:00:10\t2016-Mar-07 10:00:11\t2\n");
    EXPECT_EQ(result.err, "Last session contains just one sample\n");
}

TEST(Cli, SessionsOfAnEmptyFile)
{
    TempDir dir;
    const CliResult result = RunCli(dir, {"sessions", dir.Write("empty.kvd", "")});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, SessionsHeader);
    EXPECT_EQ(result.err, "");
}

TEST(Cli, SamplesRawAndFiltered)
{
    TempDir dir;
    const std::string path = dir.Write("r.kvd", RecordingBytes(TwoSessions()));
    const std::string cellA = "A" + std::string(19, ' ');
    const std::string cellB = " B" + std::string(18, ' ');
    const std::string cellT = std::string(19, ' ') + "T";
    const std::string third = "2016-Mar-07 10:00:02\t\t" + cellB + "\t" + cellT + "\t25.00\t 0.0\t-1024\t1\n";

    const CliResult raw = RunCli(dir, {"samples", path, "1"});
    EXPECT_EQ(raw.status, 0);
    EXPECT_EQ(raw.err, "");
    EXPECT_EQ(raw.out, SamplesHeader
                           + "2016-Mar-07 10:00:00\tI\t" + cellA + "\t" + NoCells + "\t25.00\t33.0\t5\t1\n"
                           + "2016-Mar-07 10:00:01\tB\t" + cellA + "\t" + NoCells + "\t23.04\t32.0\t-3\t1\n"
                           + third);

    const CliResult filtered = RunCli(dir, {"samples", path, "1", "--filter"});
    EXPECT_EQ(filtered.status, 0);
    EXPECT_EQ(filtered.out, SamplesHeader
                                + "2016-Mar-07 10:00:00\tIB\t" + cellA + "\t" + NoCells + "\t24.02\t32.5\t1\t2\n"
                                + third);
    EXPECT_EQ(RunCli(dir, {"samples", "--filter", path, "1"}).out, filtered.out);
}

TEST(Cli, SamplesOfALongSessionAreWrittenWhole)
{
    TempDir dir;
    std::vector<RecordFields> records;
    for (int i = 0; i < 5000; ++i)
        records.push_back(At(i / 3600, i / 60 % 60, i % 60));
    const CliResult result = RunCli(dir, {"samples", dir.Write("long.kvd", RecordingBytes(records)), "1"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 5001);
    const std::string last =
        "2016-Mar-07 01:23:19\t\t" + NoCells + "\t" + NoCells + "\t25.00\t33.0\t0\t1\n";
    ASSERT_GE(result.out.size(), last.size());
    EXPECT_EQ(result.out.substr(result.out.size() - last.size()), last);
}

TEST(Cli, UnusableFilesAndSessionNumbersFailWithAMessage)
{
    TempDir dir;
    const std::string good = dir.Write("r.kvd", RecordingBytes(TwoSessions()));
    const std::string odd = dir.Write("odd.kvd", std::string(41, '\0'));
    const std::string missing = (dir.path / "missing.kvd").string();
    const struct {
        std::vector<std::string> arguments;
        std::string err;
    } cases[] = {
        {{"sessions", missing}, "Error opening " + missing + "\n"},
        {{"samples", missing, "1"}, "Error opening " + missing + "\n"},
        {{"sessions", odd}, "File size is not a multiple of sample size\n"},
        {{"samples", odd, "1"}, "File size is not a multiple of sample size\n"},
        {{"samples", good, "0"}, "No session 0: the file holds 2 sessions\n"},
        {{"samples", good, "3"}, "No session 3: the file holds 2 sessions\n"},
        {{"samples", good, "99999999999999999999999"},
         "No session 99999999999999999999999: the file holds 2 sessions\n"},
        {{"samples", good, "x"}, "Not a session number: x\n"},
        {{"samples", good, "-1"}, "Not a session number: -1\n"},
        {{"samples", good, "1x"}, "Not a session number: 1x\n"},
        {{"samples", good, ""}, "Not a session number: \n"},
        {{"export", missing, "1"}, "Error opening " + missing + "\n"},
        {{"extract", missing, "1", "-o", (dir.path / "out.kvd").string()}, "Error opening " + missing + "\n"},
        {{"export", good, "3"}, "No session 3: the file holds 2 sessions\n"},
        {{"extract", good, "0", "-o", (dir.path / "out.kvd").string()}, "No session 0: the file holds 2 sessions\n"},
    };
    for (const auto& c : cases) {
        const CliResult result = RunCli(dir, c.arguments);
        EXPECT_EQ(result.status, 2) << c.err;
        EXPECT_EQ(result.out, "") << c.err;
        EXPECT_EQ(result.err, c.err);
    }
}

TEST(Cli, UsageErrors)
{
    TempDir dir;
    const std::string good = dir.Write("r.kvd", RecordingBytes(TwoSessions()));
    const std::vector<std::string> cases[] = {
        {},
        {"bogus"},
        {"sessions"},
        {"sessions", good, good},
        {"samples", good},
        {"samples", good, "1", "2"},
        {"samples", good, "1", "--fast"},
        {"samples", good, "1", "-o", "out.csv"},
        {"export", good},
        {"export", good, "1", "-o"},
        {"extract", good, "1"},
        {"extract", good, "1", "--filter", "-o", "out.kvd"},
    };
    for (const auto& arguments : cases) {
        const CliResult result = RunCli(dir, arguments);
        EXPECT_EQ(result.status, 2) << arguments.size();
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find("usage: kovelo-cli"), std::string::npos) << result.err;
    }
}

TEST(Cli, HelpDocumentsEveryCommand)
{
    TempDir dir;
    for (const char* option : {"--help", "-h"}) {
        const CliResult result = RunCli(dir, {option});
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.err, "");
        EXPECT_NE(result.out.find("sessions FILE"), std::string::npos);
        EXPECT_NE(result.out.find("samples FILE N [--filter]"), std::string::npos);
        EXPECT_NE(result.out.find("export FILE N [--filter] [-o OUT]"), std::string::npos);
        EXPECT_NE(result.out.find("extract FILE N -o OUT"), std::string::npos);
    }
}

TEST(Cli, ExportWritesTheCsvToStandardOutputOrAFile)
{
    TempDir dir;
    const std::string path = dir.Write("r.kvd", RecordingBytes(TwoSessions()));
    const std::string cellA = "1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0";
    const std::string third = "2016-Mar-07 10:00:02,,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,"
                              "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,25.00, 0.0,-1024\n";
    const std::string raw = CsvHeader + "2016-Mar-07 10:00:00,I," + cellA + "," + NoCsvCells + ",25.00,33.0,5\n"
                          + "2016-Mar-07 10:00:01,B," + cellA + "," + NoCsvCells + ",23.04,32.0,-3\n" + third;
    const std::string filtered =
        CsvHeader + "2016-Mar-07 10:00:00,IB," + cellA + "," + NoCsvCells + ",24.02,32.5,1\n" + third;
    const std::string out = (dir.path / "out.csv").string();
    const struct {
        std::vector<std::string> arguments;
        std::string csv;
    } cases[] = {
        {{"export", path, "1"}, raw},
        {{"export", path, "1", "--filter"}, filtered},
        {{"export", "--filter", path, "1"}, filtered},
        {{"export", path, "1", "-o", out}, raw},
        {{"export", path, "1", "--filter", "-o", out}, filtered},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(out);
        const CliResult result = RunCli(dir, c.arguments);
        EXPECT_EQ(result.status, 0) << c.arguments.size();
        EXPECT_EQ(result.err, "");
        if (c.arguments[c.arguments.size() - 2] == "-o") {
            EXPECT_EQ(result.out, "");
            EXPECT_EQ(FileText(out), c.csv);
        } else {
            EXPECT_EQ(result.out, c.csv);
        }
    }
}

TEST(Cli, ExtractWritesTheSessionsRecordsEvenOverItsOwnFile)
{
    TempDir dir;
    std::vector<RecordFields> records = TwoSessions();
    records[3].spareWord3 = 0xFFFFFFFF;   // undecoded bits travel unchanged
    records[4].odcMask = 0xFFF00000;
    const std::string bytes = RecordingBytes(records);
    const std::string path = dir.Write("r.kvd", bytes);
    const std::string out = (dir.path / "out.kvd").string();
    dir.Write("out.kvd", std::string(1000, 'x'));

    CliResult result = RunCli(dir, {"extract", path, "2", "-o", out});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(FileText(out), bytes.substr(60, 40));

    result = RunCli(dir, {"extract", path, "1", "-o", path});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(FileText(path), bytes.substr(0, 60));
    const CliResult sessions = RunCli(dir, {"sessions", path});
    EXPECT_EQ(sessions.out, SessionsHeader + "1\t2016-Mar-07 10:00:00\t2016-Mar-07 10:00:02\t3\n");
}

TEST(Cli, UnwritableTargetsFailAndLeaveTheEarlierFile)
{
    TempDir dir;
    const std::string path = dir.Write("r.kvd", RecordingBytes(LongSession(5000)));   // 100 KB, 585 KB of CSV
    const std::string missing = (dir.path / "missing" / "out").string();
    const std::string full = (dir.path / "full").string();
    const struct {
        std::vector<std::string> arguments;
        int fileSizeBlocks;
        std::string err;
    } cases[] = {
        {{"export", path, "1", "-o", missing}, 0, "Error opening " + missing + "\n"},
        {{"extract", path, "1", "-o", missing}, 0, "Error opening " + missing + "\n"},
        {{"export", path, "1", "-o", full}, 1, "Error writing " + full + "\n"},
        {{"extract", path, "1", "-o", full}, 1, "Error writing " + full + "\n"},
        {{"extract", path, "1", "-o", path}, 1, "Error writing " + path + "\n"},
    };
    const std::string recording = FileText(path);
    for (const auto& c : cases) {
        const std::string& target = c.arguments.back();
        if (target == full)
            dir.Write("full", "earlier");
        const CliResult result = RunCli(dir, c.arguments, c.fileSizeBlocks);
        EXPECT_EQ(result.status, 2) << c.err;
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, c.err);
        if (target == full) {
            EXPECT_EQ(FileText(full), "earlier");
        }
        EXPECT_EQ(FileText(path), recording);
        std::set<std::string> expected = {"r.kvd", "stdout", "stderr"};
        if (target == full)
            expected.insert("full");
        EXPECT_EQ(FolderEntries(dir.path), expected) << c.err;
        std::filesystem::remove(full);
    }
}
