#include "cli/SessionArguments.h"
#include "export/SessionFiles.h"

namespace {

int RunExtract(const Command& command, const Arguments& arguments, CliOutput&)
{
    SessionArguments parsed;
    std::string problem;
    if (!ParseSessionArguments(arguments, {.output = true}, parsed, problem))
        return ReportUsageError(command, problem);
    if (parsed.output.empty())
        return ReportUsageError(command, "extract needs -o OUT");
    std::vector<SamplePtr> samples;
    if (!ReadSessionOfArguments(parsed, samples))
        return ExitStatus::Failure;
    const WriteOutcome outcome = WriteRecordingFile(parsed.output, samples.begin(), samples.end());
    if (outcome != WriteOutcome::Written)
        return ReportFailure(OutcomeMessage(outcome, parsed.output));
    return ExitStatus::Success;
}

} // namespace

const Command ExtractCommand = {
    "extract",
    "extract FILE N -o OUT",
    "      Writes the records of session N, byte for byte as they stand in FILE, to the new\n"
    "      recording OUT. OUT may be FILE itself: the records are read before it is replaced.\n",
    RunExtract,
};
