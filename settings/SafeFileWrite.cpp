#include "settings/SafeFileWrite.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t BufferSize = 1 << 20;

bool WriteAll(int fd, std::string_view bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t written = write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// The existing file's permissions, or those a newly created file would get.
mode_t ModeFor(const std::string& path)
{
    struct stat status;
    if (stat(path.c_str(), &status) == 0)
        return status.st_mode & 07777;
    mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

} // namespace

SafeFileWriter::SafeFileWriter(std::string target) : m_target(std::move(target))
{
}

SafeFileWriter::~SafeFileWriter()
{
    Discard();
}

bool SafeFileWriter::Open()
{
    m_temporary = m_target + ".XXXXXX";
    m_fd = mkstemp(m_temporary.data());
    if (m_fd < 0) {
        m_temporary.clear();
        return false;
    }
    fchmod(m_fd, ModeFor(m_target));
    m_buffer.reserve(BufferSize);
    return true;
}

bool SafeFileWriter::Write(std::string_view bytes)
{
    if (m_failed || m_fd < 0)
        return false;
    if (m_buffer.size() + bytes.size() > BufferSize && !Flush())
        return false;
    if (bytes.size() >= BufferSize) {
        m_failed = !WriteAll(m_fd, bytes);
        return !m_failed;
    }
    m_buffer.append(bytes);
    return true;
}

bool SafeFileWriter::Commit()
{
    if (m_fd < 0 || m_failed || !Flush())
        return false;
    const bool synced = fsync(m_fd) == 0;
    const bool closed = close(m_fd) == 0;
    m_fd = -1;
    if (!synced || !closed || std::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        m_failed = true;
        Discard();
        return false;
    }
    m_temporary.clear();
    return true;
}

bool SafeFileWriter::Flush()
{
    if (!m_buffer.empty() && !WriteAll(m_fd, m_buffer))
        m_failed = true;
    m_buffer.clear();
    return !m_failed;
}

void SafeFileWriter::Discard()
{
    if (m_fd >= 0) {
        close(m_fd);
        m_fd = -1;
    }
    if (!m_temporary.empty()) {
        unlink(m_temporary.c_str());
        m_temporary.clear();
    }
}

bool WriteFileSafely(const std::string& path, const std::string& bytes)
{
    SafeFileWriter writer(path);
    return writer.Open() && writer.Write(bytes) && writer.Commit();
}
