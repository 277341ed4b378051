#pragma once

#include "framework/Resources.h"

#include <QMenuBar>

class CFrameWndEx;
class QMenu;

// The frame's menu bar, built from a menu resource. Top-level command items show their
// check mark as a pressed frame.
class CMFCMenuBar : public QMenuBar
{
public:
    bool Create(CFrameWndEx* frame, int menuId);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Fills a menu with the items of a resource, each bound to the frame's command action.
void FillMenu(QMenu* menu, const std::vector<MenuItem>& items, CFrameWndEx* frame);
