#include "framework/CmdTarget.h"

CCmdTarget::~CCmdTarget() = default;

bool CCmdTarget::OnCmdMsg(int id)
{
    const auto found = m_commands.find(id);
    if (found == m_commands.end())
        return false;
    found->second();
    return true;
}

bool CCmdTarget::OnUpdateCmdMsg(CCmdUI& ui)
{
    if (const auto update = m_updates.find(ui.m_nID); update != m_updates.end()) {
        ui.Enable(true);
        update->second(ui);
        return true;
    }
    if (m_commands.count(ui.m_nID)) {
        ui.Enable(true);
        return true;
    }
    return false;
}

void CCmdTarget::OnCommand(int id, std::function<void()> handler)
{
    m_commands[id] = std::move(handler);
}

void CCmdTarget::OnUpdateCommand(int id, std::function<void(CCmdUI&)> handler)
{
    m_updates[id] = std::move(handler);
}
