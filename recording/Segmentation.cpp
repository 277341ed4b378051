#include "recording/Segmentation.h"

#include "recording/SampleDecode.h"
#include "recording/SampleIo.h"

#include <boost/make_shared.hpp>

#include <algorithm>
#include <cstring>
#include <istream>
#include <vector>

// The file is read in blocks of raw bytes and only word 0 of each record is decoded; sample
// objects are made only for the first and last record of each session.

namespace {

constexpr std::int64_t LongestStepSeconds = 5;

SamplePtr SampleAt(std::int64_t index, const unsigned char* record)
{
    return boost::make_shared<CSample>(static_cast<std::int32_t>(index), RecordFromBytes(record));
}

// The records of a file, read from the start one block at a time. The record just before
// the current block stays at hand.
class RecordBlocks
{
public:
    explicit RecordBlocks(std::istream* stream)
        : m_stream(stream), m_bytes(SegmentationBlockRecords * SampleRecord::Size)
    {
        if (m_stream) {
            m_stream->clear();
            m_stream->seekg(0);
        }
    }

    // Reads the count records that follow the current block; false when they cannot be
    // read whole.
    bool ReadNext(std::int64_t count)
    {
        if (m_count > 0)
            std::memcpy(m_before, Record(m_start + m_count - 1), SampleRecord::Size);
        m_start += m_count;
        m_count = count;
        const std::streamsize size = count * static_cast<std::streamsize>(SampleRecord::Size);
        if (!m_stream)
            return false;
        m_stream->read(reinterpret_cast<char*>(m_bytes.data()), size);
        return m_stream->gcount() == size;
    }

    // A record of the current block, or the one just before it.
    const unsigned char* Record(std::int64_t index) const
    {
        return index < m_start ? m_before : m_bytes.data() + (index - m_start) * SampleRecord::Size;
    }

private:
    std::istream* m_stream;
    std::vector<unsigned char> m_bytes;
    unsigned char m_before[SampleRecord::Size] = {};
    std::int64_t m_start = 0;
    std::int64_t m_count = 0;
};

struct SampleSecond
{
    bool valid = false;
    std::int64_t seconds = 0;
};

// Seconds since 2000 of word 0, reusing the day count while the date bits repeat.
class SecondsDecoder
{
public:
    SampleSecond Of(std::uint32_t word0)
    {
        const std::uint32_t date = word0 & SampleDecode::DateBits;
        if (date != m_date) {
            m_date = date;
            m_valid = SampleDecode::DaysSince2000(word0, m_days);
        }
        if (!m_valid)
            return {};
        return {true, m_days * 86400 + SampleDecode::SecondsOfDay(word0)};
    }

private:
    std::uint32_t m_date = ~SampleDecode::DateBits;   // matches no date: nothing decoded yet
    bool m_valid = false;
    std::int64_t m_days = 0;
};

bool IsBreak(const SampleSecond& before, const SampleSecond& after)
{
    if (!before.valid || !after.valid)
        return true;
    const std::int64_t step = after.seconds - before.seconds;
    return step < 0 || step > LongestStepSeconds;
}

// Follows the records in file order and hands on each session as it ends.
class SessionCutter
{
public:
    SessionCutter(const RecordBlocks& blocks, const SessionSink& sink) : m_blocks(blocks), m_sink(sink) {}

    void Take(std::int64_t index, const SampleSecond& time)
    {
        if (m_hasSecond) {
            if (IsBreak(m_previous, time)) {
                HandOn(index - 1);
                m_first = SampleAt(index, m_blocks.Record(index));
                m_hasSecond = false;
            }
        } else if (m_first) {
            m_hasSecond = true;   // the second sample joins without a time test
        } else {
            m_first = SampleAt(index, m_blocks.Record(index));
        }
        m_previous = time;
    }

    SegmentationEnd Finish(std::int64_t lastIndex)
    {
        if (m_hasSecond) {
            HandOn(lastIndex);
            return SegmentationEnd::Complete;
        }
        return m_first ? SegmentationEnd::LoneFinalSample : SegmentationEnd::Complete;
    }

private:
    void HandOn(std::int64_t lastIndex)
    {
        m_sink(boost::make_shared<CSession>(m_first, SampleAt(lastIndex, m_blocks.Record(lastIndex))));
    }

    const RecordBlocks& m_blocks;
    const SessionSink& m_sink;
    SamplePtr m_first;
    bool m_hasSecond = false;
    SampleSecond m_previous;
};

} // namespace

SegmentationEnd SegmentSessions(CFileMgr& file, const SessionSink& sink)
{
    RecordBlocks blocks(file.Stream);
    SessionCutter cutter(blocks, sink);
    SecondsDecoder decoder;
    const std::int64_t count = file.SampleCount;
    for (std::int64_t start = 0; start < count; start += SegmentationBlockRecords) {
        const std::int64_t size = std::min(SegmentationBlockRecords, count - start);
        if (!blocks.ReadNext(size))
            return SegmentationEnd::ReadError;
        const unsigned char* record = blocks.Record(start);
        for (std::int64_t index = start; index < start + size; ++index, record += SampleRecord::Size)
            cutter.Take(index, decoder.Of(WordFromBytes(record)));
    }
    return cutter.Finish(count - 1);
}
