#include "test_recordings.h"

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

CliResult RunCli(const TempDir& dir, const std::vector<std::string>& arguments)
{
    std::string command = Quoted(KOVELO_CLI);
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
    }
}
