#include "recording/RecordingFile.h"

#include "recording/Messages.h"

OpenedRecording& OpenedRecording::operator=(OpenedRecording&& other)
{
    stream = std::move(other.stream);
    buffer = std::move(other.buffer);
    file = other.file;
    return *this;
}

bool OpenRecording(const std::string& path, OpenedRecording& out, std::string& error)
{
    OpenedRecording opened;
    opened.buffer = std::make_unique<char[]>(OpenedRecording::BufferSize);
    opened.stream = std::make_unique<std::ifstream>();
    // The buffer must be in place before the open for the file buffer to use it.
    opened.stream->rdbuf()->pubsetbuf(opened.buffer.get(), OpenedRecording::BufferSize);
    opened.stream->open(path, std::ios::in | std::ios::binary);
    if (!opened.stream->is_open()) {
        error = Messages::WithPath(Messages::ErrorOpening, path);
        return false;
    }
    if (!opened.file.Attach(*opened.stream)) {
        error = opened.file.RefusalText();
        return false;
    }
    opened.file.Path = path;
    out = std::move(opened);
    return true;
}
