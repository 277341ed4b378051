#pragma once

#include <string>

// Standard output through one large buffer: commands append their text to Pending() and call
// LineDone() after each line.
class CliOutput
{
public:
    CliOutput();

    std::string& Pending() { return m_pending; }
    void LineDone()
    {
        if (m_pending.size() >= FlushSize)
            Flush();
    }

    // Writes what is pending; false once any write has failed.
    bool Flush();

private:
    static constexpr std::size_t FlushSize = 1 << 16;

    std::string m_pending;
    bool m_failed = false;
};
