#include "cli/CliOutput.h"
#include "cli/SessionArguments.h"
#include "recording/SampleText.h"

#include <charconv>

namespace {

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
    SessionArguments parsed;
    std::string problem;
    if (!ParseSessionArguments(arguments, {.filter = true}, parsed, problem))
        return ReportUsageError(command, problem);
    std::vector<SamplePtr> samples;
    if (!ReadSessionOfArguments(parsed, samples))
        return ExitStatus::Failure;
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
