#include "framework/Resources.h"

QString ResourceTable::String(int id) const
{
    const auto found = m_strings.find(id);
    return found == m_strings.end() ? QString() : found->second;
}

QIcon ResourceTable::Icon(int id) const
{
    const auto found = m_icons.find(id);
    return found == m_icons.end() ? QIcon() : QIcon(found->second);
}

QString ResourceTable::Prompt(int id) const
{
    return String(id).section(QLatin1Char('\n'), 0, 0);
}

QString ResourceTable::ToolTip(int id) const
{
    return String(id).section(QLatin1Char('\n'), 1, 1);
}

ResourceTable& Resources()
{
    static ResourceTable table;
    return table;
}
