#include "cli/CliOutput.h"
#include "cli/CliSession.h"
#include "cli/Command.h"
#include "recording/Messages.h"
#include "recording/SampleText.h"
#include "recording/SessionSamples.h"
#include "recording/SummaryBuilder.h"

#include <charconv>

namespace {

struct SamplesArguments
{
    std::string path;
    std::string session;
    bool filter = false;
};

// False with the problem when the arguments are not FILE N [--filter].
bool ParseArguments(const Arguments& arguments, SamplesArguments& parsed, std::string& problem)
{
    std::vector<std::string> positional;
    for (const std::string& argument : arguments) {
        if (argument == "--filter") {
            parsed.filter = true;
        } else if (argument.starts_with("--")) {
            problem = "unknown option " + argument;
            return false;
        } else {
            positional.push_back(argument);
        }
    }
    if (positional.size() != 2) {
        problem = "samples takes a file and a session number";
        return false;
    }
    parsed.path = positional[0];
    parsed.session = positional[1];
    return true;
}

void AppendSampleLine(std::string& text, const CSample& sample)
{
    AppendTimeText(text, sample.GetTime());
    text += '\t';
    AppendFlagsText(text, sample);
    text += '\t';
    AppendCellLettersText(text, sample.GetOCMask());
    text += '\t';
    AppendCellLettersText(text, sample.GetODCMask());
    text += '\t';
    AppendTemperatureText(text, sample.GetTemperature());
    text += '\t';
    AppendStackText(text, sample.GetStack());
    text += '\t';
    AppendChargeRateText(text, sample.GetChargeRate());
    text += '\t';
    char digits[16];
    text.append(digits, std::to_chars(digits, digits + sizeof digits, sample.GetCount()).ptr);
    text += '\n';
}

int RunSamples(const Command& command, const Arguments& arguments, CliOutput& out)
{
    SamplesArguments parsed;
    std::string problem;
    if (!ParseArguments(arguments, parsed, problem))
        return ReportUsageError(command, problem);
    CliRecording recording;
    if (!LoadRecording(parsed.path, recording))
        return ExitStatus::Failure;
    const SessionPtr session = PickSession(recording, parsed.session);
    if (!session)
        return ExitStatus::Failure;
    std::vector<SamplePtr> samples;
    if (!ReadSessionSamples(recording.opened.file, *session, samples))
        return ReportFailure(Messages::WithPath(Messages::ErrorReading, parsed.path));
    if (parsed.filter)
        samples = BuildSummaries(samples);
    std::string& text = out.Pending();
    text += "Time\tF\tOC\tODC\tTemp\tStack\tCharge\tCount\n";
    for (const SamplePtr& sample : samples) {
        AppendSampleLine(text, *sample);
        out.LineDone();
    }
    return ExitStatus::Success;
}

} // namespace

const Command SamplesCommand = {
    "samples",
    "samples FILE N [--filter]",
    "      Lists the samples of session N (numbered as sessions shows them), one line each:\n"
    "      time, flags (I, B), OC and ODC cells as letters, temperature, stack, charge rate\n"
    "      and the number of samples the line stands for.\n"
    "      --filter  one summary line per run of samples with unchanged cell masks: the\n"
    "                run's first time, its flags combined and the mean measurements.\n",
    RunSamples,
};
