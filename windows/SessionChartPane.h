#pragma once

#include "charts/SessionChart.h"

#include <QDockWidget>

class CFrameWndEx;
class CSampleListCtrl;

// The chart pane of a session window: docked below the sample list across the frame's
// width, without a title or a close button, its cursor following the list's selection and
// its clicks selecting in the list.
class CSessionChartPane : public QDockWidget
{
public:
    CSessionChartPane(CFrameWndEx* frame, CSampleListCtrl& list);

    // Shows the entries that the list shows, with the cursor at its selected row.
    void ShowSamples(SampleIterator begin, SampleIterator end);

    CSessionChart m_chart;

private:
    void FollowSelection();
    void SelectRow(int row);

    CSampleListCtrl& m_list;
};
