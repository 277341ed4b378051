#include "cli/Command.h"

#include <cstdio>

int ReportFailure(const std::string& message)
{
    std::fprintf(stderr, "%s\n", message.c_str());
    return ExitStatus::Failure;
}

int ReportUsageError(const Command& command, const std::string& problem)
{
    std::fprintf(stderr, "kovelo-cli: %s\nusage: kovelo-cli %s\nTry 'kovelo-cli --help'.\n",
                 problem.c_str(), command.synopsis);
    return ExitStatus::Failure;
}
