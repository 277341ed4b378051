#pragma once

#include <string>
#include <vector>

class CliOutput;

namespace ExitStatus {
inline constexpr int Success = 0;
inline constexpr int Failure = 2;   // unusable file or arguments
} // namespace ExitStatus

using Arguments = std::vector<std::string>;

// One command of the tool: its name, how to call it, what --help says about it, and what it
// does with the arguments that follow its name.
struct Command
{
    const char* name;
    const char* synopsis;
    const char* help;   // indented lines, each ending in a newline
    int (*run)(const Command& command, const Arguments& arguments, CliOutput& out);
};

extern const Command SessionsCommand;
extern const Command SamplesCommand;
extern const Command ExportCommand;
extern const Command ExtractCommand;
extern const Command PlotCommand;

// Writes a line to standard error and gives the failure status.
int ReportFailure(const std::string& message);

// Writes the problem and the command's synopsis to standard error and gives the failure status.
int ReportUsageError(const Command& command, const std::string& problem);
