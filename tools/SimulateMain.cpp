// kovelo-simulate: writes a simulated recording file.

#include "tools/RecordBuilder.h"
#include "tools/Simulator.h"

#include <boost/date_time/posix_time/posix_time_types.hpp>

#include <charconv>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>

namespace {

const char* const Usage =
    "Usage: kovelo-simulate [--seed N] [--records N | --session N] -o FILE\n"
    "Writes a simulated recording.\n"
    "  --seed N      seed of the simulation (default 1); the same seed gives the same file\n"
    "  --records N   a recording of N records in many sessions (default 20000)\n"
    "  --session N   one unbroken session of N samples, 1 s apart\n"
    "  -o FILE       the file to write\n"
    "  --help        this text\n";

struct Options
{
    std::uint64_t seed = 1;
    std::uint64_t count = 20000;
    bool singleSession = false;
    std::string output;
};

std::optional<std::uint64_t> ParseNumber(const char* text)
{
    std::uint64_t value = 0;
    const char* end = text + std::strlen(text);
    const auto [ptr, ec] = std::from_chars(text, end, value);
    if (ec != std::errc() || ptr != end || ptr == text)
        return std::nullopt;
    return value;
}

// Fills options from the arguments; false with a message in error when they do not parse.
bool ParseOptions(int argc, char** argv, Options& options, std::string& error)
{
    bool haveRecords = false;
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (i + 1 >= argc) {
            error = "missing value after " + name;
            return false;
        }
        const char* value = argv[++i];
        if (name == "-o") {
            options.output = value;
            continue;
        }
        const auto number = ParseNumber(value);
        if (!number) {
            error = "not a number: " + std::string(value);
            return false;
        }
        if (name == "--seed") {
            options.seed = *number;
        } else if (name == "--records") {
            options.count = *number;
            haveRecords = true;
        } else if (name == "--session") {
            options.count = *number;
            options.singleSession = true;
        } else {
            error = "unknown option " + name;
            return false;
        }
    }
    if (haveRecords && options.singleSession) {
        error = "--records and --session exclude each other";
        return false;
    }
    if (options.output.empty()) {
        error = "no output file (-o FILE)";
        return false;
    }
    return true;
}

std::vector<SampleRecord> Simulate(const Options& options)
{
    if (options.singleSession) {
        const boost::posix_time::ptime start(boost::gregorian::date(2016, 3, 7),
                                             boost::posix_time::hours(9));
        return SimulateSession(options.seed, options.count, start);
    }
    return SimulateRecording(options.seed, options.count);
}

bool WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::cout << Usage;
            return 0;
        }
    }
    Options options;
    std::string error;
    if (!ParseOptions(argc, argv, options, error)) {
        std::cerr << "kovelo-simulate: " << error << "\n" << Usage;
        return 2;
    }
    if (!WriteFile(options.output, RecordBytes(Simulate(options)))) {
        std::cerr << "kovelo-simulate: error writing " << options.output << "\n";
        return 1;
    }
    return 0;
}
