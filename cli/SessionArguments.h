#pragma once

#include "cli/CliSession.h"
#include "cli/Command.h"

#include <string>
#include <vector>

// The arguments FILE N [--filter] [-o OUT] of the commands on one session.
struct SessionArguments
{
    std::string path;
    std::string session;
    bool filter = false;
    std::string output;   // empty: standard output
};

// Which options a command takes.
struct SessionOptions
{
    bool filter = false;
    bool output = false;
};

// False with the problem when the arguments do not fit the command.
bool ParseSessionArguments(const Arguments& arguments, const SessionOptions& options, SessionArguments& parsed,
                           std::string& problem);

// Opens the file and reads session N: its raw samples, or its summaries with --filter.
// False after writing to standard error why not.
bool ReadSessionOfArguments(const SessionArguments& arguments, std::vector<SamplePtr>& samples);
