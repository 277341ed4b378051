#include "cli/SessionArguments.h"

#include "recording/Messages.h"
#include "recording/SessionSamples.h"
#include "recording/SummaryBuilder.h"

#include <cctype>

namespace {

// "-1" is a (wrong) session number, not an option.
bool IsOption(const std::string& argument)
{
    return argument.size() > 1 && argument[0] == '-' && !std::isdigit(static_cast<unsigned char>(argument[1]));
}

} // namespace

bool ParseSessionArguments(const Arguments& arguments, const SessionOptions& options, SessionArguments& parsed,
                           std::string& problem)
{
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (options.filter && argument == "--filter") {
            parsed.filter = true;
        } else if (options.output && argument == "-o") {
            if (++i == arguments.size()) {
                problem = "-o needs a file name";
                return false;
            }
            parsed.output = arguments[i];
        } else if (IsOption(argument)) {
            problem = "unknown option " + argument;
            return false;
        } else {
            positional.push_back(argument);
        }
    }
    if (positional.size() != 2) {
        problem = "the command takes a file and a session number";
        return false;
    }
    parsed.path = positional[0];
    parsed.session = positional[1];
    return true;
}

bool ReadSessionOfArguments(const SessionArguments& arguments, std::vector<SamplePtr>& samples)
{
    CliRecording recording;
    if (!LoadRecording(arguments.path, recording))
        return false;
    const SessionPtr session = PickSession(recording, arguments.session);
    if (!session)
        return false;
    if (!ReadSessionSamples(recording.opened.file, *session, samples)) {
        ReportFailure(Messages::WithPath(Messages::ErrorReading, arguments.path));
        return false;
    }
    if (arguments.filter)
        samples = BuildSummaries(samples);
    return true;
}
