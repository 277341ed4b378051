#pragma once

#include "export/SessionFiles.h"
#include "framework/UserInteraction.h"

#include <functional>
#include <string>

// Tells the user why a file was not written; nothing when it was.
void ReportWriteOutcome(WriteOutcome outcome, const std::string& path);

// Asks for a file with the save dialog, writes it under the wait cursor and reports a failure.
void SaveWithDialog(const FileDialogRequest& request, const std::function<WriteOutcome(const std::string& path)>& write);
