#include "cli/CliOutput.h"
#include "cli/SessionArguments.h"
#include "export/SessionFiles.h"
#include "recording/Messages.h"

#include <cstdio>

namespace {

bool WriteToStandardOutput(std::string_view bytes)
{
    return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
}

int RunExport(const Command& command, const Arguments& arguments, CliOutput& out)
{
    SessionArguments parsed;
    std::string problem;
    if (!ParseSessionArguments(arguments, {.filter = true, .output = true}, parsed, problem))
        return ReportUsageError(command, problem);
    std::vector<SamplePtr> samples;
    if (!ReadSessionOfArguments(parsed, samples))
        return ExitStatus::Failure;
    if (parsed.output.empty()) {
        if (!out.Flush() || !StreamCsv(samples.begin(), samples.end(), WriteToStandardOutput) || !out.Flush())
            return ReportFailure(Messages::WithPath(Messages::ErrorWriting, "standard output"));
        return ExitStatus::Success;
    }
    const WriteOutcome outcome = WriteCsvFile(parsed.output, samples.begin(), samples.end());
    if (outcome != WriteOutcome::Written)
        return ReportFailure(OutcomeMessage(outcome, parsed.output));
    return ExitStatus::Success;
}

} // namespace

const Command ExportCommand = {
    "export",
    "export FILE N [--filter] [-o OUT]",
    "      Writes session N as CSV, byte for byte as a session window's Export writes it, to\n"
    "      OUT or to standard output: a header line, then one line of 45 fields per sample\n"
    "      (time, flags, OCA..OCT, ODCA..ODCT, temperature, stack, charge rate).\n"
    "      --filter  one line per summary, as a filtered session window lists them.\n",
    RunExport,
};
