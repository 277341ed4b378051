#pragma once

#include "recording/FileMgr.h"

#include <fstream>
#include <memory>
#include <string>

// A recording opened for reading: its stream, the stream's 20480-byte buffer and the
// CFileMgr attached to it. Moving it keeps the stream where CFileMgr::Stream points.
struct OpenedRecording
{
    static constexpr std::size_t BufferSize = 20480;

    OpenedRecording() = default;
    OpenedRecording(OpenedRecording&&) = default;
    // Closes the old stream before its buffer goes.
    OpenedRecording& operator=(OpenedRecording&& other);

    std::unique_ptr<char[]> buffer;
    std::unique_ptr<std::ifstream> stream;
    CFileMgr file;
};

// Opens path in binary mode and attaches it. On failure returns false with the user's
// message in error ("Error opening %s", or the size refusal) and leaves out untouched.
bool OpenRecording(const std::string& path, OpenedRecording& out, std::string& error);
