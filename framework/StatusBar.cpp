#include "framework/StatusBar.h"

#include "framework/FrameWnd.h"
#include "framework/LockKeys.h"
#include "framework/Resources.h"

#include <QLabel>

bool CMFCStatusBar::Create(CFrameWndEx* frame)
{
    setParent(frame);
    setSizeGripEnabled(true);
    frame->setStatusBar(this);
    return true;
}

bool CMFCStatusBar::SetIndicators(const std::vector<int>& ids)
{
    for (const int id : ids) {
        if (id == ID_SEPARATOR) {
            m_message = new QLabel(Resources().String(57345), this);
            m_message->setMinimumWidth(1);
            addWidget(m_message, 1);
            m_panes.emplace_back(id, m_message);
            continue;
        }
        const QString text = Resources().String(id);
        if (text.isEmpty())
            return false;
        auto* pane = new QLabel(text, this);
        pane->setAlignment(Qt::AlignCenter);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(text) + 12);
        pane->setFrameShape(QFrame::Panel);
        pane->setFrameShadow(QFrame::Sunken);
        addPermanentWidget(pane);
        m_panes.emplace_back(id, pane);
    }
    UpdateIndicators();
    return true;
}

void CMFCStatusBar::SetMessageText(const QString& text)
{
    if (m_message)
        m_message->setText(text);
}

QString CMFCStatusBar::MessageText() const
{
    return m_message ? m_message->text() : QString();
}

QString CMFCStatusBar::PaneText(int pane) const
{
    return m_panes.at(pane).second->text();
}

void CMFCStatusBar::UpdateIndicators()
{
    for (auto& [id, label] : m_panes) {
        if (id == ID_SEPARATOR)
            continue;
        const std::optional<bool> on = LockKeyOn(id);
        label->setEnabled(on.value_or(false));
        label->setToolTip(on ? QString() : QStringLiteral("The lock state is not known on this display"));
    }
}
