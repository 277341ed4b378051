#pragma once

#include "recording/RecordingFile.h"
#include "recording/Session.h"

#include <string>
#include <vector>

// A recording named on the command line, opened and cut into sessions.
struct CliRecording
{
    OpenedRecording opened;
    std::vector<SessionPtr> sessions;
};

// Opens and segments the file, writing the user's messages to standard error (a lone final
// sample is only a warning). False when the file cannot be opened, is refused or cannot be read.
bool LoadRecording(const std::string& path, CliRecording& recording);

// The session with the given 1-based number, or null after writing to standard error why
// there is none.
SessionPtr PickSession(const CliRecording& recording, const std::string& number);
