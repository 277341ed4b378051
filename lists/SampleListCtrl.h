#pragma once

#include "lists/ListCtrlToolTip.h"
#include "recording/Sample.h"

#include <QFont>

#include <vector>

// The session window's list of samples or summaries. A virtual list: a cell's text is made
// when the cell is shown, from the samples it is handed; nothing is stored per row.
class CSampleListCtrl : public CListCtrlToolTip
{
public:
    using SampleIterator = std::vector<SamplePtr>::const_iterator;

    static constexpr int SummaryTint[3] = {180, 206, 204};

    void PreSubclassWindow() override;
    void OnSize(int sizeType, int cx, int cy) override;
    std::string GetToolTipText(int row, int column) const override;

    // Shows the samples from begin to end; they must stay in place until the next call.
    void SetSamples(SampleIterator begin, SampleIterator end);
    const CSample& SampleAt(int row) const { return *m_first[row]; }

    int RowCount() const override { return m_count; }
    QString CellText(int row, int column) const override;
    qintptr RowData(int row) const override;
    std::optional<QColor> RowBackground(int row) const override;

    QFont m_font;
    int m_dateTimeWidth = 0;
    int m_flagsWidth = 0;
    int m_cellsWidth = 0;
    int m_tempWidth = 0;
    int m_stackWidth = 0;
    int m_chargeWidth = 0;
    int m_totalWidth = 0;

private:
    const SamplePtr* m_first = nullptr;
    int m_count = 0;
};
