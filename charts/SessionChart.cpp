#include "charts/SessionChart.h"

#include "charts/ChartImage.h"
#include "charts/ChartLayout.h"
#include "export/DefaultNames.h"
#include "export/SaveWithDialog.h"
#include "framework/UserInteraction.h"
#include "recording/SampleText.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

#include <cmath>

namespace {

// A press that moves less than this is a click.
constexpr int ClickSlack = 4;
// Each notch of the wheel shows this share of the range.
constexpr double WheelZoom = 0.8;
constexpr int MinimumWidth = 240;
constexpr int MinimumHeight = 320;

QString Latin1(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The set cells' letters, without the blanks of the list's column.
QString CellsText(CellMask mask)
{
    QString letters = Latin1(CellLettersText(mask)).remove(QLatin1Char(' '));
    return letters.isEmpty() ? QStringLiteral("-") : letters;
}

} // namespace

CSessionChart::CSessionChart(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setMinimumSize(MinimumWidth, MinimumHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setStatusTip(QStringLiteral("Wheel: zoom, drag: pan, Shift+drag: zoom to band, double-click: whole session"));
}

void CSessionChart::SetSamples(SampleIterator begin, SampleIterator end)
{
    const TimeRange before = Whole();
    const bool hadData = !m_data.Empty();
    m_data = BuildChartData(begin, end);
    m_first = begin == end ? nullptr : &*begin;
    m_cursorRow = -1;
    m_view.cursor.reset();
    if (!hadData || Whole() != before)
        m_view.range = Whole();
    update();
}

void CSessionChart::SetCursorRow(int row)
{
    m_cursorRow = row >= 0 && row < m_data.RowCount() ? row : -1;
    if (m_cursorRow >= 0)
        m_view.cursor = m_data.rowTimes[m_cursorRow];
    else
        m_view.cursor.reset();
    update();
}

void CSessionChart::SetVisibleRange(const TimeRange& range)
{
    m_view.range = FittedRange(range, Whole());
    update();
}

void CSessionChart::ShowWholeSession()
{
    SetVisibleRange(Whole());
}

double CSessionChart::XOfTime(double time) const
{
    return LayOutChart(size()).X(m_view.range, time);
}

double CSessionChart::TimeAtX(double x) const
{
    return LayOutChart(size()).Time(m_view.range, x);
}

void CSessionChart::SavePng()
{
    FileDialogRequest request;
    request.defaultName = QString::fromStdString(DefaultPngName(m_data.start));
    request.defaultExtension = QStringLiteral("png");
    request.filters = {QStringLiteral("PNG (*.png)"), QStringLiteral("All (*.*)")};
    SaveWithDialog(request,
                   [this](const std::string& path) { return WriteChartPng(path, RenderChart(m_data, m_view, size())); });
}

void CSessionChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintChart(painter, size(), m_data, m_view);
    if (m_drag == Drag::Band) {
        const QRect blocks = LayOutChart(size()).Blocks();
        const int left = std::min(m_pressPosition.x(), m_dragPosition.x());
        const int right = std::max(m_pressPosition.x(), m_dragPosition.x());
        const QRect band(left, blocks.top(), right - left + 1, blocks.height());
        painter.fillRect(band, QColor(60, 120, 200, 50));
        painter.setPen(QColor(60, 120, 200));
        painter.drawRect(band.adjusted(0, 0, -1, -1));
    }
}

void CSessionChart::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || m_data.Empty())
        return QWidget::mousePressEvent(event);
    m_pressPosition = m_dragPosition = event->position().toPoint();
    m_pressRange = m_view.range;
    m_moved = false;
    m_drag = event->modifiers() & Qt::ShiftModifier ? Drag::Band : Drag::Pan;
}

void CSessionChart::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint position = event->position().toPoint();
    if (m_drag == Drag::None) {
        ShowHoverText(position, event->globalPosition().toPoint());
        return;
    }
    m_dragPosition = position;
    m_moved = m_moved || (position - m_pressPosition).manhattanLength() >= ClickSlack;
    if (!m_moved)
        return;
    if (m_drag == Drag::Pan) {
        const double offset = (m_pressPosition.x() - position.x()) * m_pressRange.Span() / LayOutChart(size()).Columns();
        m_view.range = PannedRange(m_pressRange, offset, Whole());
    }
    update();
}

void CSessionChart::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || m_drag == Drag::None)
        return QWidget::mouseReleaseEvent(event);
    const Drag drag = m_drag;
    m_drag = Drag::None;
    if (!m_moved) {
        const int row = m_data.RowAtOrBefore(TimeAtX(m_pressPosition.x()));
        if (row >= 0 && OnSampleClicked)
            OnSampleClicked(row);
    } else if (drag == Drag::Band) {
        const double a = TimeAtX(m_pressPosition.x());
        const double b = TimeAtX(event->position().x());
        SetVisibleRange({std::min(a, b), std::max(a, b)});
    }
    update();
}

void CSessionChart::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseDoubleClickEvent(event);
    m_drag = Drag::None;
    ShowWholeSession();
}

void CSessionChart::wheelEvent(QWheelEvent* event)
{
    if (m_data.Empty())
        return;
    const double notches = event->angleDelta().y() / 120.0;
    if (notches == 0)
        return;
    const double anchor = std::clamp(TimeAtX(event->position().x()), m_view.range.from, m_view.range.to);
    m_view.range = ZoomedRange(m_view.range, anchor, std::pow(WheelZoom, notches), Whole());
    event->accept();
    update();
}

void CSessionChart::contextMenuEvent(QContextMenuEvent* event)
{
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* save = menu->addAction(QStringLiteral("Save as PNG..."), this, [this] { SavePng(); });
    save->setEnabled(!m_data.Empty());
    menu->popup(event->globalPos());
}

void CSessionChart::ShowHoverText(QPoint position, QPoint global)
{
    const ChartLayout layout = LayOutChart(size());
    const bool over = layout.Blocks().contains(position);
    const int row = over ? m_data.RowAtOrBefore(layout.Time(m_view.range, position.x())) : -1;
    if (row < 0) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(global, HoverText(row), this);
}

QString CSessionChart::HoverText(int row) const
{
    const CSample& sample = *m_first[row];
    QStringList lines;
    lines << Latin1(TimeText(sample.GetTime()));
    if (sample.GetCount() != 1)
        lines << QStringLiteral("Summarizes %1 samples").arg(sample.GetCount());
    lines << QStringLiteral("Temperature %1 \u00B0C").arg(Latin1(TemperatureText(sample)).trimmed())
          << QStringLiteral("Stack %1").arg(Latin1(StackText(sample)).trimmed())
          << QStringLiteral("Charge rate %1").arg(Latin1(ChargeRateText(sample)))
          << QStringLiteral("OC %1").arg(CellsText(sample.GetOCMask()))
          << QStringLiteral("ODC %1").arg(CellsText(sample.GetODCMask()));
    if (const std::string flags = FlagsText(sample); !flags.empty())
        lines << QStringLiteral("Flags %1").arg(Latin1(flags));
    return lines.join(QLatin1Char('\n'));
}
