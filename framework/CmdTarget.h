#pragma once

#include <functional>
#include <unordered_map>

// What an update handler tells about a command: enabled, checked.
class CCmdUI
{
public:
    explicit CCmdUI(int id) : m_nID(id) {}

    void Enable(bool enable = true) { m_enabled = enable; }
    void SetCheck(bool check = true) { m_checked = check; }

    bool IsEnabled() const { return m_enabled; }
    bool IsChecked() const { return m_checked; }

    const int m_nID;

private:
    bool m_enabled = false;
    bool m_checked = false;
};

// A command target with its message map: command id -> handler, command id -> update handler.
class CCmdTarget
{
public:
    virtual ~CCmdTarget();

    // Runs the command's handler; false when this target has none.
    virtual bool OnCmdMsg(int id);
    // Asks the update handler (or enables a command that has a handler); false when neither.
    virtual bool OnUpdateCmdMsg(CCmdUI& ui);

protected:
    void OnCommand(int id, std::function<void()> handler);
    void OnUpdateCommand(int id, std::function<void(CCmdUI&)> handler);

private:
    std::unordered_map<int, std::function<void()>> m_commands;
    std::unordered_map<int, std::function<void(CCmdUI&)>> m_updates;
};
