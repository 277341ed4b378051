#pragma once

#include "framework/FrameWnd.h"
#include "framework/MenuBar.h"
#include "framework/StatusBar.h"

// A session window: the Export and Filter items and a status bar with the message pane only.
class CSessionFrame : public CFrameWndEx
{
public:
    bool PreCreateWindow(CREATESTRUCT& cs) override;
    int OnCreate() override;
    void OnMove(int x, int y) override;
    void OnSize(int sizeType, int cx, int cy) override;

    CMFCMenuBar m_menuBar;
    CMFCStatusBar m_statusBar;
};
