#pragma once

#include <QString>

#include <functional>
#include <vector>

class CDocument;
class CFrameWndEx;
class CView;

// Makes documents, frames and views of one kind, and keeps the open documents of that kind.
class CDocTemplate
{
public:
    using DocumentFactory = std::function<CDocument*()>;
    using FrameFactory = std::function<CFrameWndEx*()>;
    using ViewFactory = std::function<CView*()>;

    CDocTemplate(int resourceId, DocumentFactory document, FrameFactory frame, ViewFactory view);
    virtual ~CDocTemplate();

    // A new document on this template's list; no new-document step runs.
    CDocument* CreateNewDocument();
    // A new frame with a view on the document; null when the frame cannot be made.
    CFrameWndEx* CreateNewFrame(CDocument* document, CFrameWndEx* other);
    void InitialUpdateFrame(CFrameWndEx* frame, CDocument* document, bool makeVisible = true);

    void AddDocument(CDocument* document);
    void RemoveDocument(CDocument* document);
    const std::vector<CDocument*>& GetDocuments() const { return m_documents; }
    void CloseAllDocuments();

    // Opens a file in a document of this template; an empty path makes a new document.
    virtual CDocument* OpenDocumentFile(const QString& path);

    int ResourceId() const { return m_resourceId; }
    // A field of the template's document string (0 window title ... 6 file type name).
    QString GetDocString(int field) const;

    // Factories in use, so that a caller can replace one.
    FrameFactory m_frameFactory;

private:
    int m_resourceId;
    DocumentFactory m_documentFactory;
    ViewFactory m_viewFactory;
    std::vector<CDocument*> m_documents;
};

// A template for any number of documents, each in its own frame.
class CMultiDocTemplate : public CDocTemplate
{
public:
    using CDocTemplate::CDocTemplate;
};

// A template with one document and one frame that every open reuses.
class CSingleDocTemplate : public CDocTemplate
{
public:
    using CDocTemplate::CDocTemplate;

    CDocument* OpenDocumentFile(const QString& path) override;

private:
    CDocument* NewDocumentWithFrame(CFrameWndEx*& frame);
    CFrameWndEx* FrameOf(CDocument* document) const;
};
