#include "windows/SessionView.h"

#include "app/Resource.h"
#include "export/DefaultNames.h"
#include "export/SessionFiles.h"
#include "framework/FrameWnd.h"
#include "framework/UserInteraction.h"
#include "framework/WaitCursor.h"
#include "recording/SampleText.h"
#include "windows/SessionDoc.h"

#include <QScrollBar>
#include <QStyle>

namespace {
constexpr int BorderWidth = 1;
}

CSessionView::CSessionView() : CFormView(IDD_SESSION_FORM, QSize(588, 308))
{
    m_sampleList.setGeometry(DialogRect(7, 7, 574, 294));
    OnCommand(ID_SESSION_EXPORT, [this] { OnExport(); });
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
    const auto path = PromptSaveFileName(request);
    if (!path)
        return;
    WriteOutcome outcome = WriteOutcome::Written;
    {
        CWaitCursor wait;
        outcome = WriteCsvFile(path->toStdString(), document->SamplesBegin(), document->SamplesEnd());
    }
    if (outcome != WriteOutcome::Written)
        AfxMessageBox(QString::fromStdString(OutcomeMessage(outcome, path->toStdString())), MessageIcon::Exclamation);
}
