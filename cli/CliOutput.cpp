#include "cli/CliOutput.h"

#include <cstdio>

CliOutput::CliOutput()
{
    m_pending.reserve(FlushSize + 1024);
}

bool CliOutput::Flush()
{
    if (!m_pending.empty() && std::fwrite(m_pending.data(), 1, m_pending.size(), stdout) != m_pending.size())
        m_failed = true;
    m_pending.clear();
    if (std::fflush(stdout) != 0)
        m_failed = true;
    return !m_failed;
}
