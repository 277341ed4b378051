#pragma once

#include "recording/FileMgr.h"
#include "recording/Session.h"

#include <functional>

enum class SegmentationEnd
{
    Complete,          // every record belongs to a listed session
    LoneFinalSample,   // the final session had one sample, which is left out
    ReadError          // a record could not be read whole; sessions before it were handed on
};

// Records the segmentation reads from the stream at a time; sessions may span blocks.
constexpr std::int64_t SegmentationBlockRecords = 16384;

using SessionSink = std::function<void(const SessionPtr&)>;

// Reads every record of the file from the start and hands each finished session to the sink,
// in file order. A break comes where the step from one sample to the next is negative, longer
// than five seconds, or into or out of a sample whose time does not decode.
SegmentationEnd SegmentSessions(CFileMgr& file, const SessionSink& sink);
