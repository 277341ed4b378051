#pragma once

#include "recording/FileMgr.h"
#include "recording/Session.h"

#include <vector>

// Appends the session's SampleCount records, read from its first record on, to out. False
// as soon as a record cannot be read whole; the records read before it stay in out.
bool ReadSessionSamples(CFileMgr& file, const CSession& session, std::vector<SamplePtr>& out);
