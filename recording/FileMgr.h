#pragma once

#include "recording/Sample.h"

#include <cstdint>
#include <iosfwd>
#include <string>

// The open recording file: its stream, size and record count.
class CFileMgr
{
public:
    virtual ~CFileMgr();

    // Measures the file behind the stream. True when it holds a whole number of records
    // that a 32-bit index can count; RefusalText() then says why not.
    bool Attach(std::istream& stream);
    std::string RefusalText() const;

    // The record at the stream's position, or null when it cannot be read whole.
    SamplePtr ReadNext();

    std::istream* Stream = nullptr;
    std::uint64_t FileSize = 0;
    std::uint32_t SampleCount = 0;
    std::string Path;   // shown in messages about this file
};
