#include "framework/ToolBar.h"

#include "framework/FrameWnd.h"
#include "framework/Resources.h"

#include <QAction>

bool CMFCToolBar::CreateEx(CFrameWndEx* frame)
{
    m_frame = frame;
    setParent(frame);
    setIconSize(QSize(16, 16));
    setObjectName(QStringLiteral("toolbar"));
    frame->addToolBar(Qt::TopToolBarArea, this);
    return true;
}

bool CMFCToolBar::LoadToolBar(int toolbarId)
{
    const auto* buttons = Resources().Toolbar(toolbarId);
    if (!buttons || !m_frame)
        return false;
    for (const ToolbarButton& button : *buttons) {
        if (button.command == 0) {
            addSeparator();
            continue;
        }
        QAction* action = m_frame->CommandAction(button.command);
        action->setIcon(QIcon(button.icon));
        if (action->text().isEmpty())
            action->setText(Resources().ToolTip(button.command));
        addAction(action);
    }
    return true;
}

void CMFCToolBar::SetWindowText(const QString& text)
{
    setWindowTitle(text);
    toggleViewAction()->setText(text);
}
