#include "cli/CliSession.h"

#include "cli/Command.h"
#include "recording/Messages.h"
#include "recording/Segmentation.h"

#include <charconv>
#include <cstdio>

bool LoadRecording(const std::string& path, CliRecording& recording)
{
    std::string error;
    if (!OpenRecording(path, recording.opened, error)) {
        ReportFailure(error);
        return false;
    }
    const SegmentationEnd end = SegmentSessions(recording.opened.file, [&](const SessionPtr& session) {
        recording.sessions.push_back(session);
    });
    switch (end) {
    case SegmentationEnd::Complete:
        return true;
    case SegmentationEnd::LoneFinalSample:
        std::fprintf(stderr, "%s\n", Messages::LastSessionOneSample);
        return true;
    case SegmentationEnd::ReadError:
        break;
    }
    ReportFailure(Messages::WithPath(Messages::ErrorReading, path));
    return false;
}

SessionPtr PickSession(const CliRecording& recording, const std::string& number)
{
    const char* const end = number.data() + number.size();
    unsigned long long value = 0;
    const std::from_chars_result parsed = std::from_chars(number.data(), end, value);
    if (parsed.ptr != end || parsed.ec == std::errc::invalid_argument) {
        ReportFailure("Not a session number: " + number);
        return {};
    }
    const std::size_t count = recording.sessions.size();
    if (parsed.ec == std::errc::result_out_of_range || value < 1 || value > count) {
        ReportFailure("No session " + number + ": the file holds " + std::to_string(count)
                      + (count == 1 ? " session" : " sessions"));
        return {};
    }
    return recording.sessions[value - 1];
}
