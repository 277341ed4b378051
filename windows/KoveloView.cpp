#include "windows/KoveloView.h"

#include "app/Resource.h"
#include "export/DefaultNames.h"
#include "export/SaveWithDialog.h"
#include "export/SessionFiles.h"
#include "framework/ContextMenu.h"
#include "framework/FrameWnd.h"
#include "framework/UserInteraction.h"
#include "framework/WaitCursor.h"
#include "framework/WinApp.h"
#include "recording/KoveloDoc.h"
#include "recording/Messages.h"
#include "recording/Segmentation.h"
#include "windows/SessionDoc.h"
#include "windows/SessionFrame.h"
#include "windows/SessionView.h"

namespace {

void ReportSegmentationEnd(SegmentationEnd end, const CFileMgr& file)
{
    if (end == SegmentationEnd::LoneFinalSample)
        AfxMessageBox(QString::fromLatin1(Messages::LastSessionOneSample), MessageIcon::Exclamation);
    else if (end == SegmentationEnd::ReadError)
        AfxMessageBox(QString::fromStdString(Messages::WithPath(Messages::ErrorReading, file.Path)),
                      MessageIcon::Exclamation);
}

} // namespace

CKoveloView::CKoveloView() : CFormView(IDD_KOVELO_FORM, QSize(214, 182))
{
    m_sessionList.setGeometry(DialogRect(0, 0, 207, 174));
    m_sessionList.OnDblClk = [this] { OnDblClkSessionList(); };
    m_pSessionTemplate = new CMultiDocTemplate(
        IDR_SESSIONFRAME,
        [] { return new CSessionDoc; },
        [] { return new CSessionFrame; },
        [] { return new CSessionView; });
    AfxGetApp()->AddDocTemplate(m_pSessionTemplate);

    const auto updateSessionCommand = [this](CCmdUI& ui) { OnUpdateSessionCommand(ui); };
    OnUpdateCommand(ID_SESSIONS_EXPAND, updateSessionCommand);
    OnUpdateCommand(ID_SESSIONS_EXTRACT, updateSessionCommand);
    OnCommand(ID_SESSIONS_EXPAND, [this] { OnExpandSession(); });
    OnCommand(ID_SESSIONS_EXTRACT, [this] { OnExtractSessionData(); });
}

CKoveloDoc* CKoveloView::GetDocument() const
{
    return static_cast<CKoveloDoc*>(CFormView::GetDocument());
}

void CKoveloView::DoDataExchange(CDataExchange* exchange)
{
    CFormView::DoDataExchange(exchange);
    DDX_Control(exchange, IDC_SESSION_LIST, m_sessionList);
}

void CKoveloView::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    SetScrollSizes(QSize(0, 0));
    m_sessionList.setGeometry(GetClientRect());
}

void CKoveloView::OnUpdate(CView*, long, void*)
{
    SegmentationEnd end = SegmentationEnd::Complete;
    CFileMgr& file = GetDocument()->FileMgr();
    {
        CWaitCursor wait;
        m_sessionList.DeleteAllItems();
        end = SegmentSessions(file, [this](const SessionPtr& session) { m_sessionList.AddSession(session); });
    }
    ReportSegmentationEnd(end, file);
}

void CKoveloView::OnSize(int sizeType, int cx, int cy)
{
    CFormView::OnSize(sizeType, cx, cy);
    if (m_sessionList.IsAttached())
        m_sessionList.setGeometry(0, 0, cx, cy);
}

void CKoveloView::OnContextMenu(QWidget*, QPoint screenPoint)
{
    CContextMenuManager::ShowPopupMenu(IDR_POPUP_EDIT, screenPoint, this, this);
}

void CKoveloView::OnUpdateSessionCommand(CCmdUI& ui) const
{
    ui.Enable(m_sessionList.GetNextItem(-1, LVNI_SELECTED) != -1);
}

void CKoveloView::OnExpandSession()
{
    auto* document = static_cast<CSessionDoc*>(m_pSessionTemplate->CreateNewDocument());
    const SessionPtr session = m_sessionList.GetSelectedSession();
    if (!session || !document->SetSession(&GetDocument()->FileMgr(), session)) {
        document->OnCloseDocument();
        return;
    }
    CFrameWndEx* frame = m_pSessionTemplate->CreateNewFrame(document, nullptr);
    if (!frame) {
        document->OnCloseDocument();
        return;
    }
    m_pSessionTemplate->InitialUpdateFrame(frame, document, true);
}

void CKoveloView::OnDblClkSessionList()
{
    if (m_sessionList.GetNextItem(-1, LVNI_SELECTED) != -1)
        OnExpandSession();
}

CSessionDoc* CKoveloView::FindSessionDocument(const SessionPtr& session) const
{
    for (CDocument* document : m_pSessionTemplate->GetDocuments()) {
        auto* sessionDocument = dynamic_cast<CSessionDoc*>(document);
        if (sessionDocument && sessionDocument->GetSession().get() == session.get())
            return sessionDocument;
    }
    return nullptr;
}

void CKoveloView::OnExtractSessionData()
{
    const SessionPtr session = m_sessionList.GetSelectedSession();
    if (!session)
        return;
    FileDialogRequest request;
    request.defaultName = QString::fromStdString(DefaultExtractName(session->StartTime));
    request.defaultExtension = QStringLiteral("kvd");
    request.filters = {QStringLiteral("KVD (*.kvd)"), QStringLiteral("All (*.*)")};
    const auto path = PromptSaveFileName(request);
    if (!path)
        return;

    // The records are gathered before the target is replaced, so the open recording may be the target.
    bool readFailed = false;
    WriteOutcome outcome = WriteOutcome::Written;
    {
        CWaitCursor wait;
        outcome = WriteFileThrough(path->toStdString(), [&](const ByteSink& sink) {
            CSessionDoc* document = FindSessionDocument(session);
            if (!document) {
                document = static_cast<CSessionDoc*>(m_pSessionTemplate->CreateNewDocument());
                if (!document->SetSession(&GetDocument()->FileMgr(), session)) {
                    readFailed = true;
                    document->OnChangedViewList();
                    return false;
                }
            }
            const bool streamed = StreamRecords(document->m_samples.begin(), document->m_samples.end(), sink);
            document->OnChangedViewList();
            return streamed;
        });
    }
    if (!readFailed)
        ReportWriteOutcome(outcome, path->toStdString());
}
