#pragma once

#include "framework/MenuBar.h"
#include "framework/StatusBar.h"
#include "framework/ToolBar.h"
#include "windows/FramePlacement.h"

// The main window: menu bar, the "Standard" toolbar, the status bar with lock indicators.
class CMainFrame : public CPlacedFrame
{
public:
    CMainFrame() : CPlacedFrame(MainWindowKeys) {}

    int OnCreate() override;

    CMFCMenuBar m_menuBar;
    CMFCToolBar m_toolBar;
    CMFCStatusBar m_statusBar;
};
