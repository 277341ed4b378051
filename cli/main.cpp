// kovelo-cli: lists the sessions and samples of recordings, exports, extracts and plots sessions.

#include "cli/CliOutput.h"
#include "cli/Command.h"
#include "recording/Messages.h"

#include <csignal>
#include <cstdio>
#include <string>

namespace {

// Every command of the tool, in the order --help lists them.
const Command* const Commands[] = {
    &SessionsCommand,
    &SamplesCommand,
    &ExportCommand,
    &ExtractCommand,
    &PlotCommand,
};

const char* const Usage = "usage: kovelo-cli COMMAND ARGUMENTS...\n"
                          "Try 'kovelo-cli --help'.\n";

void PrintHelp(CliOutput& out)
{
    std::string& text = out.Pending();
    text += "Usage: kovelo-cli COMMAND ARGUMENTS...\n"
            "       kovelo-cli --help\n"
            "\n"
            "Reads a Vantrel Recorder recording (.kvd). sessions and samples write tab-separated\n"
            "text with a header line to standard output; export writes CSV; extract writes a\n"
            "recording; plot draws a chart as PNG. Times are shown as in 2015-Dec-31 23:59:59.\n"
            "\n"
            "Commands:\n";
    for (const Command* command : Commands) {
        text += "  ";
        text += command->synopsis;
        text += '\n';
        text += command->help;
    }
    text += "\n"
            "Options:\n"
            "  -h, --help  Shows this help.\n"
            "\n"
            "Messages about the file go to standard error. The exit status is 0 on success and\n"
            "2 when the arguments are wrong or the file cannot be opened, read or used.\n";
}

const Command* FindCommand(const std::string& name)
{
    for (const Command* command : Commands)
        if (name == command->name)
            return command;
    return nullptr;
}

int Run(int argc, char** argv, CliOutput& out)
{
    if (argc < 2) {
        std::fputs(Usage, stderr);
        return ExitStatus::Failure;
    }
    const std::string name = argv[1];
    if (name == "--help" || name == "-h") {
        PrintHelp(out);
        return ExitStatus::Success;
    }
    const Command* command = FindCommand(name);
    if (!command) {
        std::fprintf(stderr, "kovelo-cli: unknown command %s\n%s", name.c_str(), Usage);
        return ExitStatus::Failure;
    }
    return command->run(*command, Arguments(argv + 2, argv + argc), out);
}

} // namespace

int main(int argc, char** argv)
{
    // A file past the size limit is then a failed write, reported, with no temporary file left.
    std::signal(SIGXFSZ, SIG_IGN);
    CliOutput out;
    const int status = Run(argc, argv, out);
    if (!out.Flush())
        return ReportFailure(Messages::WithPath(Messages::ErrorWriting, "standard output"));
    return status;
}
