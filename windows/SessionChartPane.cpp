#include "windows/SessionChartPane.h"

#include "framework/FrameWnd.h"
#include "lists/SampleListCtrl.h"

#include <QItemSelectionModel>

namespace {
constexpr int TimeColumn = 1;
}

CSessionChartPane::CSessionChartPane(CFrameWndEx* frame, CSampleListCtrl& list) : QDockWidget(frame), m_list(list)
{
    setObjectName(QStringLiteral("ChartPane"));
    setFeatures(QDockWidget::NoDockWidgetFeatures);
    setAllowedAreas(Qt::BottomDockWidgetArea);
    setTitleBarWidget(new QWidget(this));
    setWidget(&m_chart);
    m_chart.OnSampleClicked = [this](int row) { SelectRow(row); };
    connect(m_list.selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { FollowSelection(); });
    frame->addDockWidget(Qt::BottomDockWidgetArea, this);
}

void CSessionChartPane::ShowSamples(SampleIterator begin, SampleIterator end)
{
    m_chart.SetSamples(begin, end);
    FollowSelection();
}

void CSessionChartPane::FollowSelection()
{
    m_chart.SetCursorRow(m_list.GetNextItem(-1, LVNI_SELECTED));
}

void CSessionChartPane::SelectRow(int row)
{
    m_list.SelectItem(row);
    m_list.scrollTo(m_list.model()->index(row, TimeColumn));
}
