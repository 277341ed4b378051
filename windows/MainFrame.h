#pragma once

#include "framework/FrameWnd.h"
#include "framework/MenuBar.h"
#include "framework/StatusBar.h"
#include "framework/ToolBar.h"

// The main window: menu bar, the "Standard" toolbar, the status bar with lock indicators.
class CMainFrame : public CFrameWndEx
{
public:
    bool PreCreateWindow(CREATESTRUCT& cs) override;
    int OnCreate() override;
    void OnMove(int x, int y) override;
    void OnSize(int sizeType, int cx, int cy) override;

    CMFCMenuBar m_menuBar;
    CMFCToolBar m_toolBar;
    CMFCStatusBar m_statusBar;
};
