#pragma once

// Small recordings built in code, and a temporary directory to write them to.

#include "recording/Sample.h"
#include "tools/RecordBuilder.h"

#include <boost/make_shared.hpp>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

class TempDir
{
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "kovelo-test-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot make a temporary directory");
        path = pattern;
    }
    ~TempDir() { std::filesystem::remove_all(path); }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // Writes the bytes to a file of that name and gives its path.
    std::string Write(const std::string& name, const std::string& bytes) const
    {
        const std::string file = (path / name).string();
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }

    std::filesystem::path path;
};

// A record at the given date and time.
inline RecordFields Date(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    RecordFields f;
    f.year = year;
    f.month = month;
    f.day = day;
    f.hour = hour;
    f.minute = minute;
    f.second = second;
    return f;
}

// A record at the given time of 2016-03-07.
inline RecordFields At(int hour, int minute, int second)
{
    RecordFields fields;
    fields.month = 3;
    fields.day = 7;
    fields.hour = hour;
    fields.minute = minute;
    fields.second = second;
    return fields;
}

inline SamplePtr MakeSample(const RecordFields& fields, std::int32_t index = 0)
{
    return boost::make_shared<CSample>(index, BuildRecord(fields));
}

inline std::string RecordingBytes(const std::vector<RecordFields>& fields)
{
    std::vector<SampleRecord> records;
    for (const RecordFields& f : fields)
        records.push_back(BuildRecord(f));
    return RecordBytes(records);
}
