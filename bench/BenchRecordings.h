#pragma once

#include <cstdint>
#include <filesystem>

// The simulated recordings the benchmarks read, written once into a temporary folder
// on first use and removed when the program ends.
class BenchRecordings
{
public:
    static constexpr std::uint32_t RecordingRecords = 5'200'000;   // some 100 MB
    static constexpr std::uint32_t SessionSamples = 1'000'000;

    static const BenchRecordings& Get();

    // Many sessions, as the recorder writes them.
    std::filesystem::path recordingPath;
    // One unbroken session.
    std::filesystem::path sessionPath;

    ~BenchRecordings();

private:
    BenchRecordings();
    std::filesystem::path m_folder;
};
