#pragma once

#include <QToolBar>

class CFrameWndEx;

// A toolbar built from a toolbar resource; its buttons are the frame's command actions.
class CMFCToolBar : public QToolBar
{
public:
    bool CreateEx(CFrameWndEx* frame);
    bool LoadToolBar(int toolbarId);
    void SetWindowText(const QString& text);

private:
    CFrameWndEx* m_frame = nullptr;
};
