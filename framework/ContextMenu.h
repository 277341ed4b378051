#pragma once

#include <QPoint>

class CCmdTarget;
class QMenu;
class QWidget;

// Shows context menus from menu resources, their commands going to an owner.
class CContextMenuManager
{
public:
    // Pops up the first popup of the menu resource at a screen point; the menu closes itself.
    static QMenu* ShowPopupMenu(int menuId, QPoint screenPoint, QWidget* parent, CCmdTarget* owner);
};
