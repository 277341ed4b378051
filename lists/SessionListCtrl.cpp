#include "lists/SessionListCtrl.h"

#include "recording/SampleText.h"

#include <sstream>

namespace {
enum Column { IndexColumn, StartColumn, EndColumn, SamplesColumn };
}

std::locale UserLocale()
{
    try {
        return std::locale("");
    } catch (const std::runtime_error&) {
        return std::locale::classic();
    }
}

std::string CountText(std::int32_t count, const std::locale& locale)
{
    std::ostringstream text;
    text.imbue(locale);
    text << static_cast<std::uint32_t>(count);
    return text.str();
}

void CSessionListCtrl::PreSubclassWindow()
{
    ShowHorizontalScrollBar(false);
    InsertColumn(IndexColumn, QStringLiteral("Index"), LVCFMT_LEFT, 0);
    InsertColumn(StartColumn, QStringLiteral("Start"), LVCFMT_CENTER);
    InsertColumn(EndColumn, QStringLiteral("End"), LVCFMT_CENTER);
    InsertColumn(SamplesColumn, QStringLiteral("Samples "), LVCFMT_RIGHT);
}

void CSessionListCtrl::OnSize(int, int cx, int)
{
    ShowHorizontalScrollBar(false);
    const int w = (4 * cx) / 10;
    SetColumnWidth(StartColumn, w);
    SetColumnWidth(EndColumn, w);
    SetColumnWidth(SamplesColumn, cx - 2 * w);
}

int CSessionListCtrl::AddSession(const SessionPtr& session)
{
    const auto position = static_cast<qintptr>(m_sessions.size());
    m_sessions.push_back(session);
    const int row = InsertItem(GetItemCount(), QString());
    SetItemData(row, position);
    SetItemText(row, StartColumn, QString::fromStdString(TimeText(session->StartTime)));
    SetItemText(row, EndColumn, QString::fromStdString(TimeText(session->EndTime)));
    static const std::locale userLocale = UserLocale();
    SetItemText(row, SamplesColumn, QString::fromStdString(CountText(session->SampleCount, userLocale)));
    return row;
}

SessionPtr CSessionListCtrl::GetSelectedSession() const
{
    const int row = GetNextItem(-1, LVNI_SELECTED);
    if (row < 0)
        return {};
    return m_sessions.at(static_cast<std::size_t>(GetItemData(row)));
}
