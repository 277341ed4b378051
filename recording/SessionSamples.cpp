#include "recording/SessionSamples.h"

#include "recording/SampleIo.h"

#include <boost/make_shared.hpp>

#include <algorithm>
#include <istream>

// The records are read a block at a time and indexed by their place in the session, so the
// stream is not asked for its position once per record.

namespace {

constexpr std::int32_t BlockRecords = 1024;
constexpr std::streamoff RecordSize = SampleRecord::Size;

} // namespace

bool ReadSessionSamples(CFileMgr& file, const CSession& session, std::vector<SamplePtr>& out)
{
    if (!file.Stream)
        return session.SampleCount <= 0;
    // A failure left by an earlier reader does not carry over.
    file.Stream->clear();
    file.Stream->seekg(session.StartIndex * RecordSize);
    out.reserve(out.size() + static_cast<std::size_t>(std::max(session.SampleCount, 0)));
    std::vector<unsigned char> block(BlockRecords * SampleRecord::Size);
    for (std::int32_t done = 0; done < session.SampleCount; done += BlockRecords) {
        const std::int32_t wanted = std::min(BlockRecords, session.SampleCount - done);
        file.Stream->read(reinterpret_cast<char*>(block.data()), wanted * RecordSize);
        const auto whole = static_cast<std::int32_t>(file.Stream->gcount() / RecordSize);
        for (std::int32_t i = 0; i < whole; ++i) {
            const std::int32_t index = session.StartIndex + done + i;
            const unsigned char* record = &block[static_cast<std::size_t>(i) * SampleRecord::Size];
            out.push_back(boost::make_shared<CSample>(index, RecordFromBytes(record)));
        }
        if (whole < wanted)
            return false;
    }
    return true;
}
