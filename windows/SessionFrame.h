#pragma once

#include "framework/MenuBar.h"
#include "framework/StatusBar.h"
#include "windows/FramePlacement.h"

// A session window: the session commands and a status bar with the message pane only.
class CSessionFrame : public CPlacedFrame
{
public:
    CSessionFrame() : CPlacedFrame(SessionWindowKeys) {}

    int OnCreate() override;

    CMFCMenuBar m_menuBar;
    CMFCStatusBar m_statusBar;
};
