#include "charts/ChartLayout.h"

#include <QFontMetrics>

#include <algorithm>

namespace {

constexpr int Margin = 8;
constexpr int RightMargin = 14;
constexpr int Gap = 14;
// The share of the blocks' height that the two cell maps take, and their row height limits.
constexpr double CellMapShare = 0.45;
constexpr int SmallestRow = 2;
constexpr int LargestRow = 9;

} // namespace

QFont ChartFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

double ChartLayout::X(const TimeRange& range, double time) const
{
    return Left() + (time - range.from) / range.Span() * Columns();
}

double ChartLayout::Time(const TimeRange& range, double x) const
{
    return range.from + (x - Left()) / Columns() * range.Span();
}

ChartLayout LayOutChart(QSize size)
{
    const QFontMetrics metrics(ChartFont());
    const int line = metrics.height();
    ChartLayout layout;
    layout.legend = QRect(Margin, Margin / 2, size.width() - 2 * Margin, line + 8);
    layout.titleLeft = Margin;
    const int left = Margin + line + 6 + metrics.horizontalAdvance(QStringLiteral("-1024.0")) + 6;
    const int width = std::max(1, size.width() - left - RightMargin);
    const int axisHeight = 6 + line + 4;
    layout.timeAxis = QRect(left, size.height() - axisHeight - Margin / 2, width, axisHeight);

    const int top = layout.legend.bottom() + 1 + Gap / 2;
    const int blocksHeight = std::max(0, layout.timeAxis.top() - top - 4 * Gap);
    layout.cellRowHeight = std::clamp(static_cast<int>(blocksHeight * CellMapShare / (CellMapCount * CellCount)),
                                      SmallestRow, LargestRow);
    const int mapHeight = CellCount * layout.cellRowHeight;
    const int plotHeight = std::max(1, (blocksHeight - CellMapCount * mapHeight) / CurveCount);
    int y = top;
    for (QRect& plot : layout.plots) {
        plot = QRect(left, y, width, plotHeight);
        y += plotHeight + Gap;
    }
    for (QRect& map : layout.cellMaps) {
        map = QRect(left, y, width, mapHeight);
        y += mapHeight + Gap;
    }
    layout.timeAxis.moveTop(layout.cellMaps[ODCMap].bottom() + 1);
    return layout;
}
