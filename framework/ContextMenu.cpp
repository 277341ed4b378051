#include "framework/ContextMenu.h"

#include "framework/CmdTarget.h"
#include "framework/Resources.h"

#include <QMenu>

namespace {

void AddItems(QMenu* menu, const std::vector<MenuItem>& items, CCmdTarget* owner)
{
    for (const MenuItem& item : items) {
        if (item.kind == MenuItem::Kind::Separator) {
            menu->addSeparator();
        } else if (item.kind == MenuItem::Kind::Popup) {
            AddItems(menu->addMenu(item.text), item.items, owner);
        } else if (item.kind == MenuItem::Kind::Command) {
            QAction* action = menu->addAction(item.text);
            action->setStatusTip(Resources().Prompt(item.id));
            CCmdUI ui(item.id);
            owner->OnUpdateCmdMsg(ui);
            action->setEnabled(ui.IsEnabled());
            const int id = item.id;
            QObject::connect(action, &QAction::triggered, menu, [owner, id] { owner->OnCmdMsg(id); });
        }
    }
}

} // namespace

QMenu* CContextMenuManager::ShowPopupMenu(int menuId, QPoint screenPoint, QWidget* parent, CCmdTarget* owner)
{
    const auto* items = Resources().Menu(menuId);
    if (!items || items->empty())
        return nullptr;
    const MenuItem& popup = items->front();
    auto* menu = new QMenu(parent);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setTitle(popup.text);
    AddItems(menu, popup.items, owner);
    menu->popup(screenPoint);
    return menu;
}
