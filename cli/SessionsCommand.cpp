#include "cli/CliOutput.h"
#include "cli/CliSession.h"
#include "cli/Command.h"
#include "recording/SampleText.h"

#include <charconv>

namespace {

void AppendNumber(std::string& out, std::int64_t number)
{
    char digits[24];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
}

int RunSessions(const Command& command, const Arguments& arguments, CliOutput& out)
{
    if (arguments.size() != 1)
        return ReportUsageError(command, "sessions takes one file");
    CliRecording recording;
    if (!LoadRecording(arguments[0], recording))
        return ExitStatus::Failure;
    std::string& text = out.Pending();
    text += "#\tStart\tEnd\tSamples\n";
    for (std::size_t i = 0; i < recording.sessions.size(); ++i) {
        const CSession& session = *recording.sessions[i];
        AppendNumber(text, static_cast<std::int64_t>(i + 1));
        text += '\t';
        AppendTimeText(text, session.StartTime);
        text += '\t';
        AppendTimeText(text, session.EndTime);
        text += '\t';
        AppendNumber(text, session.SampleCount);
        text += '\n';
        out.LineDone();
    }
    return ExitStatus::Success;
}

} // namespace

const Command SessionsCommand = {
    "sessions",
    "sessions FILE",
    "      Lists the sessions of the recording, one line each: number (from 1), start time,\n"
    "      end time and sample count.\n",
    RunSessions,
};
