#include "framework/MenuBar.h"

#include "framework/FrameWnd.h"
#include "framework/WinApp.h"

#include <QFileInfo>
#include <QMenu>
#include <QPainter>

namespace {

void FillRecentFiles(QMenu* menu, QAction* before, const MenuItem& item, CFrameWndEx* frame)
{
    const QStringList files = AfxGetApp()->RecentFiles().Files();
    if (files.isEmpty()) {
        auto* placeholder = new QAction(item.text, menu);
        placeholder->setEnabled(false);
        menu->insertAction(before, placeholder);
        return;
    }
    for (int i = 0; i < files.size(); ++i) {
        QAction* action = frame->CommandAction(item.id + i);
        action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(files[i]));
        action->setStatusTip(QStringLiteral("Open this document"));
        menu->insertAction(before, action);
    }
}

// The recent-file entries are made anew whenever the menu opens.
void BindRecentFiles(QMenu* menu, const MenuItem& item, CFrameWndEx* frame)
{
    auto* marker = menu->addSeparator();
    marker->setVisible(false);
    auto entries = std::make_shared<QList<QAction*>>();
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, marker, item, frame, entries] {
        for (QAction* old : *entries)
            menu->removeAction(old);
        const QList<QAction*> before = menu->actions();
        FillRecentFiles(menu, marker, item, frame);
        entries->clear();
        for (QAction* action : menu->actions())
            if (!before.contains(action))
                entries->append(action);
    });
}

} // namespace

void FillMenu(QMenu* menu, const std::vector<MenuItem>& items, CFrameWndEx* frame)
{
    for (const MenuItem& item : items) {
        switch (item.kind) {
        case MenuItem::Kind::Command: {
            QAction* action = frame->CommandAction(item.id);
            action->setText(item.text);
            menu->addAction(action);
            break;
        }
        case MenuItem::Kind::Separator:
            menu->addSeparator();
            break;
        case MenuItem::Kind::Popup:
            FillMenu(menu->addMenu(item.text), item.items, frame);
            break;
        case MenuItem::Kind::RecentFiles:
            BindRecentFiles(menu, item, frame);
            break;
        }
    }
    QObject::connect(menu, &QMenu::aboutToShow, frame, [frame] { frame->UpdateCommandUI(); });
}

bool CMFCMenuBar::Create(CFrameWndEx* frame, int menuId)
{
    const auto* items = Resources().Menu(menuId);
    if (!items)
        return false;
    for (const MenuItem& item : *items) {
        if (item.kind == MenuItem::Kind::Popup) {
            auto* menu = new QMenu(item.text, this);
            FillMenu(menu, item.items, frame);
            addMenu(menu);
        } else if (item.kind == MenuItem::Kind::Command) {
            QAction* action = frame->CommandAction(item.id);
            action->setText(item.text);
            addAction(action);
        }
    }
    frame->setMenuBar(this);
    return true;
}

void CMFCMenuBar::paintEvent(QPaintEvent* event)
{
    QMenuBar::paintEvent(event);
    QPainter painter(this);
    for (QAction* action : actions()) {
        if (action->menu() || !action->isChecked())
            continue;
        const QRect box = actionGeometry(action).adjusted(1, 2, -2, -3);
        painter.setPen(palette().color(QPalette::Highlight));
        QColor fill = palette().color(QPalette::Highlight);
        fill.setAlpha(48);
        painter.setBrush(fill);
        painter.drawRect(box);
    }
}
