#pragma once

#include "charts/ChartData.h"
#include "charts/ChartPainter.h"

#include <QWidget>

#include <functional>

// The chart of a session window's list: the curves and cell maps over time, with a cursor
// at one row. The wheel zooms the time axis, a drag pans it, Shift and a drag zoom to the
// band, a double-click shows the whole session, a click picks the row at or before the time
// and the context menu saves the chart as PNG.
class CSessionChart : public QWidget
{
public:
    explicit CSessionChart(QWidget* parent = nullptr);

    // Shows the entries from begin to end; they must stay in place until the next call. The
    // time axis keeps its range when the entries span the same time, else shows them whole.
    void SetSamples(SampleIterator begin, SampleIterator end);
    // The row the cursor stands at; -1 for none.
    void SetCursorRow(int row);
    int CursorRow() const { return m_cursorRow; }

    const ChartData& Data() const { return m_data; }
    const TimeRange& VisibleRange() const { return m_view.range; }
    void SetVisibleRange(const TimeRange& range);
    void ShowWholeSession();
    // The x in the widget of a time, and the time at an x.
    double XOfTime(double time) const;
    double TimeAtX(double x) const;

    // Asks for a file name and writes the chart as the widget shows it.
    void SavePng();

    // Called with the row at or before the time clicked.
    std::function<void(int row)> OnSampleClicked;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    enum class Drag { None, Pan, Band };

    TimeRange Whole() const { return WholeRange(m_data.first, m_data.last); }
    void ShowHoverText(QPoint position, QPoint global);
    QString HoverText(int row) const;

    ChartData m_data;
    const SamplePtr* m_first = nullptr;
    int m_cursorRow = -1;
    ChartView m_view;

    Drag m_drag = Drag::None;
    QPoint m_pressPosition;
    QPoint m_dragPosition;
    TimeRange m_pressRange;
    bool m_moved = false;
};
