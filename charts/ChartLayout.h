#pragma once

#include "charts/ChartData.h"

#include <QFont>
#include <QRect>

#include <array>

// The font of every text of a chart.
QFont ChartFont();

// Where the parts of a chart of some size lie: the legend line, the three plots, the OC and
// ODC cell maps and the time axis under them. All blocks share one horizontal extent.
struct ChartLayout
{
    QRect legend;
    std::array<QRect, CurveCount> plots;
    std::array<QRect, CellMapCount> cellMaps;
    int cellRowHeight = 0;
    QRect timeAxis;
    int titleLeft = 0;   // where the rotated block titles stand

    int Left() const { return plots[0].left(); }
    int Columns() const { return plots[0].width(); }
    // From the top of the first plot to the bottom of the last cell map.
    QRect Blocks() const { return QRect(plots[0].topLeft(), cellMaps[ODCMap].bottomRight()); }

    // The x of a time and the time of an x, for the range shown.
    double X(const TimeRange& range, double time) const;
    double Time(const TimeRange& range, double x) const;
};

ChartLayout LayOutChart(QSize size);
