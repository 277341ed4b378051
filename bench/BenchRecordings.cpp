#include "bench/BenchRecordings.h"

#include "tools/RecordBuilder.h"
#include "tools/Simulator.h"

#include <boost/date_time/posix_time/posix_time_types.hpp>

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>

namespace {

std::filesystem::path MakeTempFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "kovelo-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    return pattern;
}

void WriteRecords(const std::filesystem::path& path, const std::vector<SampleRecord>& records)
{
    const std::string bytes = RecordBytes(records);
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

} // namespace

const BenchRecordings& BenchRecordings::Get()
{
    static const BenchRecordings recordings;
    return recordings;
}

BenchRecordings::BenchRecordings()
    : recordingPath(), sessionPath(), m_folder(MakeTempFolder())
{
    recordingPath = m_folder / "recording.kvd";
    sessionPath = m_folder / "session.kvd";
    WriteRecords(recordingPath, SimulateRecording(2015, RecordingRecords));
    const boost::posix_time::ptime start(boost::gregorian::date(2016, 3, 7));
    WriteRecords(sessionPath, SimulateSession(2016, SessionSamples, start));
}

BenchRecordings::~BenchRecordings()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
}
