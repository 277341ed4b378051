#pragma once

#include "framework/ListCtrl.h"

#include <string>

// A list that shows a tooltip per cell, with a text that a derived list supplies.
class CListCtrlToolTip : public CListCtrl
{
public:
    void PreSubclassWindow() override;

    // The cell's tool identity, row x 1000 + column, or -1 where the point is on no cell.
    int OnToolHitTest(QPoint clientPoint) const;
    // The tooltip of a cell; row is -1 off the rows. Empty: no tip.
    virtual std::string GetToolTipText(int row, int column) const;

protected:
    bool viewportEvent(QEvent* event) override;

private:
    bool m_toolTipsEnabled = false;
};
