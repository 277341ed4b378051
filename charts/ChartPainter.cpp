#include "charts/ChartPainter.h"

#include "charts/ChartTicks.h"
#include "charts/Decimation.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

const QColor Background(255, 255, 255);
const QColor PlotFrame(176, 176, 176);
const QColor Grid(232, 232, 232);
const QColor ZeroLine(150, 150, 150);
const QColor TextColour(48, 48, 48);
const QColor CellBackground(248, 248, 248);
const QColor CellSeparator(226, 226, 226);
const QColor CursorColour(20, 20, 20);

constexpr const char* CurveTitles[CurveCount] = {"Temperature (\u00B0C)", "Stack", "Charge rate"};
// Beside the plots the titles of the list's columns; the legend has the whole names.
constexpr const char* AxisTitles[CurveCount] = {"Temp", "Stack", "Charge"};
constexpr const char* MapTitles[CellMapCount] = {"OC", "ODC"};
constexpr const char* CellLetters = "ABCDEFGHIJKLMNOPQRST";
constexpr int ValueTickSpacing = 26;
constexpr int TimeLabelGap = 28;
constexpr int TickLength = 5;

QString Latin1(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString ValueLabel(double value, int decimals)
{
    if (std::abs(value) < 1e-9)
        value = 0;
    return QString::number(value, 'f', decimals);
}

// Paints one chart; each part of the chart has a member of its own.
class ChartPainter
{
public:
    ChartPainter(QPainter& painter, QSize size, const ChartData& data, const ChartView& view)
        : m_painter(painter), m_size(size), m_data(data), m_view(view), m_layout(LayOutChart(size)),
          m_metrics(ChartFont())
    {
        const double labelWidth = m_metrics.horizontalAdvance(QStringLiteral("2015-Dec-31 23:59:59"));
        m_timeTicks = TickTimes(view.range, TimeTickStep(view.range.Span(), m_layout.Columns(), labelWidth + TimeLabelGap));
    }

    void Paint()
    {
        m_painter.save();
        m_painter.setFont(ChartFont());
        m_painter.fillRect(QRect(QPoint(0, 0), m_size), Background);
        PaintLegend();
        if (m_data.Empty() || m_view.range.Span() <= 0) {
            m_painter.setPen(TextColour);
            m_painter.drawText(m_layout.Blocks(), Qt::AlignCenter, QStringLiteral("No samples"));
        } else {
            for (int curve = 0; curve < CurveCount; ++curve)
                PaintPlot(static_cast<ChartCurve>(curve));
            for (int map = 0; map < CellMapCount; ++map)
                PaintCellMap(static_cast<CellMapKind>(map));
            PaintTimeAxis();
            PaintCursor();
        }
        m_painter.restore();
    }

private:
    double X(double time) const { return m_layout.X(m_view.range, time); }

    void PaintLegend()
    {
        const QRect& legend = m_layout.legend;
        const int middle = legend.center().y();
        int x = m_layout.Left();
        m_painter.setRenderHint(QPainter::Antialiasing, false);
        for (int curve = 0; curve < CurveCount; ++curve) {
            m_painter.setPen(QPen(CurveColour(static_cast<ChartCurve>(curve)), 2));
            m_painter.drawLine(x, middle, x + 18, middle);
            x += 24;
            x = LegendText(x, QString::fromUtf8(CurveTitles[curve])) + 18;
        }
        for (int map = 0; map < CellMapCount; ++map) {
            m_painter.fillRect(QRect(x, middle - 4, 12, 9), CellMapColour(static_cast<CellMapKind>(map)));
            x += 17;
            x = LegendText(x, QString::fromLatin1(MapTitles[map])) + 18;
        }
        if (m_data.Empty())
            return;
        const QString extent = Latin1(ChartTimeText(m_data.first) + " - " + ChartTimeText(m_data.last));
        const QString count = m_data.summaries
            ? QStringLiteral("%1 summaries of %2 samples").arg(m_data.RowCount()).arg(m_data.sampleCount)
            : QStringLiteral("%1 samples").arg(m_data.sampleCount);
        // The session's extent and count where they fit, else the count alone.
        const QRect room(x, legend.top(), legend.right() - x, legend.height());
        QString text = extent + QStringLiteral("   ") + count;
        if (m_metrics.horizontalAdvance(text) > room.width())
            text = m_metrics.horizontalAdvance(count) <= room.width() ? count : QString();
        m_painter.setPen(TextColour);
        m_painter.drawText(room, Qt::AlignRight | Qt::AlignVCenter, text);
    }

    // Writes the text from x on the legend line; the x after it.
    int LegendText(int x, const QString& text)
    {
        m_painter.setPen(TextColour);
        const int width = m_metrics.horizontalAdvance(text);
        m_painter.drawText(QRect(x, m_layout.legend.top(), width + 2, m_layout.legend.height()),
                           Qt::AlignLeft | Qt::AlignVCenter, text);
        return x + width;
    }

    // The block's title, turned to read upwards, centred beside it.
    void PaintBlockTitle(const QRect& block, const QString& title, const QColor& colour)
    {
        m_painter.save();
        m_painter.setPen(colour);
        m_painter.translate(m_layout.titleLeft, block.bottom());
        m_painter.rotate(-90);
        const QRect box(0, 0, block.height(), m_metrics.height());
        m_painter.drawText(box, Qt::AlignCenter, m_metrics.elidedText(title, Qt::ElideRight, block.height()));
        m_painter.restore();
    }

    void PaintTimeGrid(const QRect& block)
    {
        m_painter.setPen(Grid);
        for (double tick : m_timeTicks) {
            const int x = static_cast<int>(std::lround(X(tick)));
            m_painter.drawLine(x, block.top(), x, block.bottom());
        }
    }

    void PaintPlot(ChartCurve curve)
    {
        const QRect& plot = m_layout.plots[curve];
        const ValueSeries& values = m_data.curves[curve];
        const ValueSpan extremes = VisibleExtremes(m_data.pointTimes, values, m_view.range);
        const ValueAxis axis = NiceValueAxis(extremes.low, extremes.high, std::max(1, plot.height() / ValueTickSpacing));
        const auto y = [&](double value) {
            return plot.bottom() - (value - axis.low) / (axis.high - axis.low) * (plot.height() - 1);
        };

        m_painter.setRenderHint(QPainter::Antialiasing, false);
        PaintTimeGrid(plot);
        const int decimals = StepDecimals(axis.step);
        for (double value : AxisTicks(axis)) {
            const int line = static_cast<int>(std::lround(y(value)));
            m_painter.setPen(std::abs(value) < 1e-9 && curve == ChargeRateCurve ? ZeroLine : Grid);
            m_painter.drawLine(plot.left(), line, plot.right(), line);
            m_painter.setPen(TextColour);
            const QRect label(0, line - m_metrics.height() / 2, plot.left() - 5, m_metrics.height());
            m_painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, ValueLabel(value, decimals));
        }
        m_painter.setPen(PlotFrame);
        m_painter.drawRect(plot.adjusted(0, 0, -1, -1));
        PaintBlockTitle(plot, QString::fromUtf8(AxisTitles[curve]), CurveColour(curve));

        const std::vector<ChartPoint> points = DecimatedPoints(m_data.pointTimes, values, m_view.range, m_layout.Columns());
        QPolygonF line;
        line.reserve(static_cast<qsizetype>(points.size()));
        for (const ChartPoint& point : points)
            line << QPointF(X(point.time), y(point.value));
        m_painter.save();
        m_painter.setClipRect(plot.adjusted(1, 1, -1, -1));
        // A one-pixel pen takes the fast path; held steps stay crisp without antialiasing.
        m_painter.setRenderHint(QPainter::Antialiasing, !m_data.summaries);
        m_painter.setPen(QPen(CurveColour(curve), 0));
        m_painter.drawPolyline(line);
        m_painter.restore();
    }

    void PaintCellMap(CellMapKind map)
    {
        const QRect& block = m_layout.cellMaps[map];
        const int rowHeight = m_layout.cellRowHeight;
        m_painter.setRenderHint(QPainter::Antialiasing, false);
        m_painter.fillRect(block, CellBackground);
        PaintTimeGrid(block);
        // Rows are separated by a line where they are tall enough, else every five rows.
        m_painter.setPen(CellSeparator);
        for (int row = 1; row < CellCount; ++row)
            if (rowHeight >= 5 || row % 5 == 0)
                m_painter.drawLine(block.left(), block.top() + row * rowHeight, block.right(), block.top() + row * rowHeight);

        const QColor colour = CellMapColour(map);
        const int fill = rowHeight >= 5 ? rowHeight - 1 : rowHeight;
        for (int cell = 0; cell < CellCount; ++cell) {
            const int top = block.top() + cell * rowHeight + (rowHeight >= 5 ? 1 : 0);
            for (const ColumnSpan& span : CoveredColumns(m_data.cells[map][cell], m_view.range, m_layout.Columns()))
                m_painter.fillRect(QRect(block.left() + span.first, top, span.last - span.first + 1, fill), colour);
        }
        m_painter.setPen(PlotFrame);
        m_painter.drawRect(block.adjusted(0, 0, -1, -1));
        PaintCellLetters(block);
        PaintBlockTitle(block, QString::fromLatin1(MapTitles[map]), colour);
    }

    // A letter per row, or every few rows where the rows are lower than the letters.
    void PaintCellLetters(const QRect& block)
    {
        const int rowHeight = m_layout.cellRowHeight;
        QFont font = ChartFont();
        font.setPixelSize(std::clamp(rowHeight, 7, 10));
        const QFontMetrics metrics(font);
        const int every = (metrics.capHeight() + rowHeight) / rowHeight;
        m_painter.save();
        m_painter.setFont(font);
        m_painter.setPen(TextColour);
        for (int cell = 0; cell < CellCount; cell += every) {
            const int middle = block.top() + cell * rowHeight + rowHeight / 2;
            const QRect label(block.left() - 30, middle - metrics.height() / 2, 26, metrics.height());
            m_painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, QString(QLatin1Char(CellLetters[cell])));
        }
        m_painter.restore();
    }

    void PaintTimeAxis()
    {
        const QRect& axis = m_layout.timeAxis;
        m_painter.setRenderHint(QPainter::Antialiasing, false);
        m_painter.setPen(TextColour);
        int labelsEnd = 0;   // the first x that the next label may use
        for (double tick : m_timeTicks) {
            const int x = static_cast<int>(std::lround(X(tick)));
            m_painter.drawLine(x, axis.top(), x, axis.top() + TickLength);
            const QString label = Latin1(ChartTimeText(tick));
            const int width = m_metrics.horizontalAdvance(label);
            const int left = std::clamp(x - width / 2, 0, m_size.width() - width);
            if (left < labelsEnd)
                continue;
            m_painter.drawText(QRect(left, axis.top() + TickLength + 1, width + 1, m_metrics.height()),
                               Qt::AlignCenter, label);
            labelsEnd = left + width + 8;
        }
    }

    void PaintCursor()
    {
        if (!m_view.cursor || *m_view.cursor < m_view.range.from || *m_view.cursor > m_view.range.to)
            return;
        const QRect blocks = m_layout.Blocks();
        const int x = std::min(static_cast<int>(std::floor(X(*m_view.cursor))), blocks.right());
        m_painter.setRenderHint(QPainter::Antialiasing, false);
        m_painter.setPen(QPen(CursorColour, 1));
        m_painter.drawLine(x, blocks.top(), x, blocks.bottom());
    }

    QPainter& m_painter;
    QSize m_size;
    const ChartData& m_data;
    const ChartView& m_view;
    ChartLayout m_layout;
    QFontMetrics m_metrics;
    std::vector<double> m_timeTicks;
};

} // namespace

QColor CurveColour(ChartCurve curve)
{
    static const QColor colours[CurveCount] = {QColor(214, 39, 40), QColor(31, 119, 180), QColor(44, 160, 44)};
    return colours[curve];
}

QColor CellMapColour(CellMapKind map)
{
    static const QColor colours[CellMapCount] = {QColor(255, 127, 14), QColor(148, 103, 189)};
    return colours[map];
}

void PaintChart(QPainter& painter, QSize size, const ChartData& data, const ChartView& view)
{
    ChartPainter(painter, size, data, view).Paint();
}
