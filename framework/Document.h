#pragma once

#include "framework/CmdTarget.h"

#include <QString>

#include <vector>

class CDocTemplate;
class CView;

// A document with its views. An auto-delete document closes itself when its last view goes.
class CDocument : public CCmdTarget
{
public:
    CDocument();
    ~CDocument() override;

    virtual bool OnNewDocument();
    virtual bool OnOpenDocument(const QString& path);
    // Closes the document's windows and destroys the document.
    virtual void OnCloseDocument();
    virtual void OnChangedViewList();

    void AddView(CView* view);
    void RemoveView(CView* view);
    const std::vector<CView*>& Views() const { return m_views; }
    void UpdateAllViews(CView* sender, long hint = 0, void* hintObject = nullptr);

    const QString& GetTitle() const { return m_title; }
    void SetTitle(const QString& title);
    const QString& GetPathName() const { return m_pathName; }
    void SetPathName(const QString& path);

    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }
    void SetDocTemplate(CDocTemplate* docTemplate) { m_pDocTemplate = docTemplate; }

    bool m_bAutoDelete = true;

private:
    void UpdateFrameTitles();

    std::vector<CView*> m_views;
    QString m_title;
    QString m_pathName;
    CDocTemplate* m_pDocTemplate = nullptr;
    bool m_closing = false;
};
