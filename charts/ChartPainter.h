#pragma once

#include "charts/ChartData.h"
#include "charts/ChartLayout.h"

#include <QColor>

#include <optional>

class QPainter;

// What a chart shows of its data: the range on the time axis and the time of the cursor.
struct ChartView
{
    TimeRange range;
    std::optional<double> cursor;
};

// The colours of the three curves and the two cell maps.
QColor CurveColour(ChartCurve curve);
QColor CellMapColour(CellMapKind map);

// Paints the whole chart into the painter over a rectangle of the size at (0, 0): the
// widget, the saved PNG and kovelo-cli plot all draw through this.
void PaintChart(QPainter& painter, QSize size, const ChartData& data, const ChartView& view);
