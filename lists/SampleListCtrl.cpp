#include "lists/SampleListCtrl.h"

#include "recording/SampleText.h"

namespace {

enum Column { IndexColumn, TimeColumn, FlagsColumn, OCColumn, ODCColumn, TempColumn, StackColumn, ChargeColumn };

QString Text(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

void CSampleListCtrl::PreSubclassWindow()
{
    CListCtrlToolTip::PreSubclassWindow();
    ShowHorizontalScrollBar(false);

    m_font = QFont(QStringLiteral("Courier New"));
    m_font.setPixelSize(12);
    m_font.setStyleHint(QFont::TypeWriter);
    SetListFont(m_font);

    m_dateTimeWidth = GetStringWidth(QStringLiteral(" 2015-Dec-31 23:59:59 "));
    m_flagsWidth = GetStringWidth(QStringLiteral(" IB "));
    m_cellsWidth = GetStringWidth(QStringLiteral(" ABCDEFGHIJKLMNOPQRST "));
    m_tempWidth = GetStringWidth(QStringLiteral("  Temp "));
    m_stackWidth = GetStringWidth(QStringLiteral("  Stack "));
    m_chargeWidth = GetStringWidth(QStringLiteral("  Charge "));
    m_totalWidth = m_dateTimeWidth + m_flagsWidth + 2 * m_cellsWidth + m_tempWidth + m_stackWidth + m_chargeWidth;

    InsertColumn(IndexColumn, QStringLiteral("Index"), LVCFMT_LEFT, 0);
    InsertColumn(TimeColumn, QStringLiteral("Date/Time"), LVCFMT_CENTER, m_dateTimeWidth);
    InsertColumn(FlagsColumn, QStringLiteral("F"), LVCFMT_CENTER, m_flagsWidth);
    InsertColumn(OCColumn, QStringLiteral("OC"), LVCFMT_CENTER, m_cellsWidth);
    InsertColumn(ODCColumn, QStringLiteral("ODC"), LVCFMT_CENTER, m_cellsWidth);
    InsertColumn(TempColumn, QStringLiteral("Temp "), LVCFMT_RIGHT, m_tempWidth);
    InsertColumn(StackColumn, QStringLiteral("Stack "), LVCFMT_RIGHT, m_stackWidth);
    InsertColumn(ChargeColumn, QStringLiteral("Charge "), LVCFMT_RIGHT, m_chargeWidth);
}

void CSampleListCtrl::OnSize(int, int cx, int)
{
    int extra = cx - m_totalWidth;
    ShowHorizontalScrollBar(extra < 0);
    if (extra < 0)
        extra = 0;
    const int share = extra / 6;
    SetColumnWidth(TimeColumn, m_dateTimeWidth + share);
    SetColumnWidth(FlagsColumn, m_flagsWidth);
    SetColumnWidth(OCColumn, m_cellsWidth + share);
    SetColumnWidth(ODCColumn, m_cellsWidth + share);
    SetColumnWidth(TempColumn, m_tempWidth + share);
    SetColumnWidth(StackColumn, m_stackWidth + share);
    SetColumnWidth(ChargeColumn, m_chargeWidth + share);
}

std::string CSampleListCtrl::GetToolTipText(int row, int) const
{
    if (row < 0 || row >= m_count)
        return {};
    const auto count = static_cast<std::uint32_t>(GetItemData(row));
    if (count == 1)
        return {};
    return "Summarizes " + std::to_string(count) + " samples";
}

void CSampleListCtrl::SetSamples(SampleIterator begin, SampleIterator end)
{
    m_first = begin == end ? nullptr : &*begin;
    m_count = static_cast<int>(end - begin);
    ResetRows();
}

QString CSampleListCtrl::CellText(int row, int column) const
{
    if (row < 0 || row >= m_count)
        return QString();
    const CSample& sample = SampleAt(row);
    switch (column) {
    case TimeColumn: return Text(TimeText(sample.GetTime()));
    case FlagsColumn: return Text(FlagsText(sample));
    case OCColumn: return Text(CellLettersText(sample.GetOCMask()));
    case ODCColumn: return Text(CellLettersText(sample.GetODCMask()));
    case TempColumn: return Text(TemperatureText(sample));
    case StackColumn: return Text(StackText(sample));
    case ChargeColumn: return Text(ChargeRateText(sample));
    }
    return QString();
}

qintptr CSampleListCtrl::RowData(int row) const
{
    return row >= 0 && row < m_count ? SampleAt(row).GetCount() : 0;
}

std::optional<QColor> CSampleListCtrl::RowBackground(int row) const
{
    if (RowData(row) == 1)
        return std::nullopt;
    return QColor(SummaryTint[0], SummaryTint[1], SummaryTint[2]);
}
