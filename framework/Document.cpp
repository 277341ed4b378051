#include "framework/Document.h"

#include "framework/DocTemplate.h"
#include "framework/FrameWnd.h"
#include "framework/View.h"

#include <QFileInfo>

#include <algorithm>

CDocument::CDocument() = default;

CDocument::~CDocument()
{
    for (CView* view : m_views)
        view->DetachDocument();
}

bool CDocument::OnNewDocument()
{
    SetPathName(QString());
    return true;
}

bool CDocument::OnOpenDocument(const QString&)
{
    return true;
}

void CDocument::OnCloseDocument()
{
    if (m_closing)
        return;
    m_closing = true;
    const bool autoDelete = m_bAutoDelete;
    m_bAutoDelete = false;
    while (!m_views.empty()) {
        CView* view = m_views.front();
        if (CFrameWndEx* frame = view->GetParentFrame())
            frame->DestroyWindow();
        else
            RemoveView(view);
    }
    m_bAutoDelete = autoDelete;
    if (m_pDocTemplate)
        m_pDocTemplate->RemoveDocument(this);
    if (m_bAutoDelete)
        delete this;
    else
        m_closing = false;
}

void CDocument::OnChangedViewList()
{
    if (m_views.empty() && m_bAutoDelete)
        OnCloseDocument();
    else
        UpdateFrameTitles();
}

void CDocument::AddView(CView* view)
{
    m_views.push_back(view);
    view->AttachDocument(this);
    OnChangedViewList();
}

void CDocument::RemoveView(CView* view)
{
    const auto found = std::find(m_views.begin(), m_views.end(), view);
    if (found == m_views.end())
        return;
    m_views.erase(found);
    view->DetachDocument();
    if (!m_closing)
        OnChangedViewList();
}

void CDocument::UpdateAllViews(CView* sender, long hint, void* hintObject)
{
    for (CView* view : m_views)
        if (view != sender)
            view->OnUpdate(sender, hint, hintObject);
}

void CDocument::SetTitle(const QString& title)
{
    m_title = title;
    UpdateFrameTitles();
}

void CDocument::SetPathName(const QString& path)
{
    m_pathName = path;
    SetTitle(path.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(path).fileName());
}

void CDocument::UpdateFrameTitles()
{
    for (CView* view : m_views)
        if (CFrameWndEx* frame = view->GetParentFrame())
            frame->OnUpdateFrameTitle();
}
