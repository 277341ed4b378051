#include "lists/ListCtrlToolTip.h"

#include <QHelpEvent>
#include <QToolTip>

void CListCtrlToolTip::PreSubclassWindow()
{
    CListCtrl::PreSubclassWindow();
    m_toolTipsEnabled = true;
}

int CListCtrlToolTip::OnToolHitTest(QPoint clientPoint) const
{
    const QModelIndex cell = indexAt(clientPoint);
    if (!cell.isValid())
        return -1;
    return cell.row() * 1000 + cell.column();
}

std::string CListCtrlToolTip::GetToolTipText(int, int) const
{
    return {};
}

bool CListCtrlToolTip::viewportEvent(QEvent* event)
{
    if (event->type() != QEvent::ToolTip || !m_toolTipsEnabled)
        return CListCtrl::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex cell = indexAt(help->pos());
    const std::string text = GetToolTipText(cell.isValid() ? cell.row() : -1, cell.isValid() ? cell.column() : -1);
    if (text.empty()) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    QToolTip::showText(help->globalPos(), QString::fromStdString(text), viewport(), visualRect(cell));
    return true;
}
