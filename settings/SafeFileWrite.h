#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Writes a file through a temporary file in the same folder that is renamed into place only
// once every byte is on disk. Until Commit succeeds the target stays as it was; a writer that
// is destroyed uncommitted removes its temporary file. The target keeps its permissions.
class SafeFileWriter
{
public:
    explicit SafeFileWriter(std::string target);
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    // Creates the temporary file; false when the target's folder does not take one.
    bool Open();
    // Buffers the bytes; false once any write has failed.
    bool Write(std::string_view bytes);
    // Writes the rest, syncs, closes and renames over the target.
    bool Commit();

private:
    bool Flush();
    void Discard();

    std::string m_target;
    std::string m_temporary;
    std::string m_buffer;
    int m_fd = -1;
    bool m_failed = false;
};

// Replaces the file's content with bytes through a SafeFileWriter.
bool WriteFileSafely(const std::string& path, const std::string& bytes);
