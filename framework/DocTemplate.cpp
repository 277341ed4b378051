#include "framework/DocTemplate.h"

#include "framework/Document.h"
#include "framework/FrameWnd.h"
#include "framework/Resources.h"
#include "framework/View.h"
#include "framework/WinApp.h"

#include <QFileInfo>

#include <algorithm>

CDocTemplate::CDocTemplate(int resourceId, DocumentFactory document, FrameFactory frame, ViewFactory view)
    : m_frameFactory(std::move(frame))
    , m_resourceId(resourceId)
    , m_documentFactory(std::move(document))
    , m_viewFactory(std::move(view))
{
}

CDocTemplate::~CDocTemplate()
{
    const std::vector<CDocument*> documents = m_documents;
    for (CDocument* document : documents) {
        document->SetDocTemplate(nullptr);
        delete document;
    }
}

CDocument* CDocTemplate::CreateNewDocument()
{
    CDocument* document = m_documentFactory();
    if (document)
        AddDocument(document);
    return document;
}

CFrameWndEx* CDocTemplate::CreateNewFrame(CDocument* document, CFrameWndEx*)
{
    CFrameWndEx* frame = m_frameFactory ? m_frameFactory() : nullptr;
    if (!frame)
        return nullptr;
    CView* view = m_viewFactory();
    if (!frame->LoadFrame(m_resourceId, document, view)) {
        if (document)
            document->RemoveView(view);
        delete view;
        delete frame;
        return nullptr;
    }
    return frame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWndEx* frame, CDocument*, bool makeVisible)
{
    if (CView* view = frame->GetActiveView())
        view->OnInitialUpdate();
    frame->OnUpdateFrameTitle();
    frame->UpdateCommandUI();
    if (makeVisible) {
        frame->showNormal();
        frame->raise();
        frame->activateWindow();
    }
}

void CDocTemplate::AddDocument(CDocument* document)
{
    m_documents.push_back(document);
    document->SetDocTemplate(this);
}

void CDocTemplate::RemoveDocument(CDocument* document)
{
    m_documents.erase(std::remove(m_documents.begin(), m_documents.end(), document), m_documents.end());
    document->SetDocTemplate(nullptr);
}

void CDocTemplate::CloseAllDocuments()
{
    while (!m_documents.empty())
        m_documents.back()->OnCloseDocument();
}

CDocument* CDocTemplate::OpenDocumentFile(const QString&)
{
    return nullptr;
}

QString CDocTemplate::GetDocString(int field) const
{
    const QString text = Resources().String(m_resourceId);
    if (text.isEmpty())
        return QString();
    return text.section(QLatin1Char('\n'), field, field);
}

CDocument* CSingleDocTemplate::OpenDocumentFile(const QString& path)
{
    CDocument* document = GetDocuments().empty() ? nullptr : GetDocuments().front();
    CFrameWndEx* frame = document ? FrameOf(document) : nullptr;
    const bool created = document == nullptr;
    if (created && !(document = NewDocumentWithFrame(frame)))
        return nullptr;

    if (!path.isEmpty() && !created && !document->GetPathName().isEmpty()
        && QFileInfo(document->GetPathName()) == QFileInfo(path)) {
        frame->raise();
        frame->activateWindow();
        return document;
    }

    const bool opened = path.isEmpty() ? document->OnNewDocument() : document->OnOpenDocument(path);
    if (!opened) {
        if (created)
            document->OnCloseDocument();
        return nullptr;
    }
    if (path.isEmpty()) {
        document->SetPathName(QString());
    } else {
        document->SetPathName(QFileInfo(path).absoluteFilePath());
        AfxGetApp()->AddToRecentFileList(QFileInfo(path).absoluteFilePath());
    }
    InitialUpdateFrame(frame, document, !created);
    return document;
}

CDocument* CSingleDocTemplate::NewDocumentWithFrame(CFrameWndEx*& frame)
{
    CDocument* document = CreateNewDocument();
    if (!document)
        return nullptr;
    frame = CreateNewFrame(document, nullptr);
    if (!frame) {
        RemoveDocument(document);
        delete document;
        return nullptr;
    }
    if (!AfxGetApp()->m_pMainWnd)
        AfxGetApp()->m_pMainWnd = frame;
    return document;
}

CFrameWndEx* CSingleDocTemplate::FrameOf(CDocument* document) const
{
    return document->Views().empty() ? nullptr : document->Views().front()->GetParentFrame();
}
