#include "recording/FileMgr.h"

#include "recording/Messages.h"
#include "recording/SampleIo.h"

#include <istream>
#include <limits>

namespace {

constexpr std::uint64_t MaxSampleCount = std::numeric_limits<std::int32_t>::max();

} // namespace

CFileMgr::~CFileMgr() = default;

bool CFileMgr::Attach(std::istream& stream)
{
    Stream = &stream;
    stream.seekg(0, std::ios::end);
    const std::streamoff end = stream.tellg();
    // A stream that yields no position has no size that a record count could match.
    FileSize = end < 0 ? std::numeric_limits<std::uint64_t>::max() : static_cast<std::uint64_t>(end);
    const std::uint64_t count = FileSize / SampleRecord::Size;
    SampleCount = count <= MaxSampleCount ? static_cast<std::uint32_t>(count) : 0;
    return RefusalText().empty();
}

std::string CFileMgr::RefusalText() const
{
    if (FileSize % SampleRecord::Size != 0)
        return Messages::FileSizeNotMultiple;
    if (FileSize / SampleRecord::Size > MaxSampleCount)
        return Messages::TooManySamples;
    return {};
}

SamplePtr CFileMgr::ReadNext()
{
    if (!Stream)
        return {};
    SamplePtr sample = ReadSample(*Stream);
    if (Stream->fail())
        return {};
    return sample;
}
