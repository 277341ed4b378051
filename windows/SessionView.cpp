#include "windows/SessionView.h"

#include "app/Resource.h"
#include "export/DefaultNames.h"
#include "export/SaveWithDialog.h"
#include "framework/FrameWnd.h"
#include "framework/UserInteraction.h"
#include "framework/WaitCursor.h"
#include "recording/SampleText.h"
#include "windows/SessionChartPane.h"
#include "windows/SessionDoc.h"

#include <QScrollBar>
#include <QStyle>

namespace {
constexpr int BorderWidth = 1;
// The share of the frame's height that the chart pane takes when it is first shown.
constexpr double ChartShare = 0.6;
}

CSessionView::CSessionView() : CFormView(IDD_SESSION_FORM, QSize(588, 308))
{
    m_sampleList.setGeometry(DialogRect(7, 7, 574, 294));
    OnCommand(ID_SESSION_EXPORT, [this] { OnExport(); });
    OnCommand(ID_SESSION_CHART, [this] { OnChart(); });
    OnUpdateCommand(ID_SESSION_CHART, [this](CCmdUI& ui) { OnUpdateChart(ui); });
}

CSessionDoc* CSessionView::GetDocument() const
{
    return static_cast<CSessionDoc*>(CFormView::GetDocument());
}

void CSessionView::DoDataExchange(CDataExchange* exchange)
{
    CFormView::DoDataExchange(exchange);
    DDX_Control(exchange, IDC_SAMPLE_LIST, m_sampleList);
}

void CSessionView::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    FitFrameToList();
    const CSession& session = *GetDocument()->GetSession();
    if (CFrameWndEx* frame = GetParentFrame())
        frame->SetTitle(QString::fromStdString(TimeText(session.StartTime) + " - " + TimeText(session.EndTime)));
}

void CSessionView::OnUpdate(CView*, long, void*)
{
    CWaitCursor wait;
    const CSessionDoc* document = GetDocument();
    m_sampleList.SetSamples(document->SamplesBegin(), document->SamplesEnd());
    if (IsChartShown())
        m_chartPane->ShowSamples(document->SamplesBegin(), document->SamplesEnd());
}

void CSessionView::OnSize(int sizeType, int cx, int cy)
{
    CFormView::OnSize(sizeType, cx, cy);
    if (m_sampleList.IsAttached())
        m_sampleList.setGeometry(0, 0, cx, cy);
}

void CSessionView::FitFrameToList()
{
    CFrameWndEx* frame = GetParentFrame();
    if (!frame)
        return;
    const int scrollBarWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int extra = m_sampleList.m_totalWidth + scrollBarWidth + 8 * BorderWidth;
    frame->SetClientWidth(extra);
}

void CSessionView::OnExport()
{
    const CSessionDoc* document = GetDocument();
    FileDialogRequest request;
    request.defaultName = QString::fromStdString(DefaultCsvName(document->GetSession()->StartTime));
    request.defaultExtension = QStringLiteral("csv");
    request.filters = {QStringLiteral("CSV (*.csv)"), QStringLiteral("All (*.*)")};
    SaveWithDialog(request, [document](const std::string& path) {
        return WriteCsvFile(path, document->SamplesBegin(), document->SamplesEnd());
    });
}

bool CSessionView::IsChartShown() const
{
    return m_chartPane && !m_chartPane->isHidden();
}

void CSessionView::OnChart()
{
    CFrameWndEx* frame = GetParentFrame();
    if (!frame)
        return;
    if (IsChartShown()) {
        m_chartPane->hide();
        return;
    }
    const bool first = !m_chartPane;
    if (first)
        m_chartPane = new CSessionChartPane(frame, m_sampleList);
    {
        CWaitCursor wait;
        const CSessionDoc* document = GetDocument();
        m_chartPane->ShowSamples(document->SamplesBegin(), document->SamplesEnd());
    }
    m_chartPane->show();
    if (first)
        frame->resizeDocks({m_chartPane}, {static_cast<int>(frame->height() * ChartShare)}, Qt::Vertical);
}

void CSessionView::OnUpdateChart(CCmdUI& ui) const
{
    ui.Enable();
    ui.SetCheck(IsChartShown());
}
