#pragma once

#include <QStatusBar>

#include <vector>

class CFrameWndEx;
class QLabel;

constexpr int ID_SEPARATOR = 0;
constexpr int ID_INDICATOR_CAPS = 59137;
constexpr int ID_INDICATOR_NUM = 59138;
constexpr int ID_INDICATOR_SCRL = 59139;

// The frame's status bar: the message pane, then indicator panes lit by the lock keys.
class CMFCStatusBar : public QStatusBar
{
public:
    bool Create(CFrameWndEx* frame);
    bool SetIndicators(const std::vector<int>& ids);
    void SetMessageText(const QString& text);
    QString MessageText() const;
    int PaneCount() const { return static_cast<int>(m_panes.size()); }
    QString PaneText(int pane) const;
    void UpdateIndicators();

private:
    QLabel* m_message = nullptr;
    std::vector<std::pair<int, QLabel*>> m_panes;
};
