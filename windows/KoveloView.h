#pragma once

#include "framework/DocTemplate.h"
#include "framework/View.h"
#include "lists/SessionListCtrl.h"

class CKoveloDoc;
class CSessionDoc;

// The main window's view: the session list, and the commands on the selected session.
class CKoveloView : public CFormView
{
public:
    CKoveloView();

    CKoveloDoc* GetDocument() const;

    void DoDataExchange(CDataExchange* exchange) override;
    void OnInitialUpdate() override;
    void OnUpdate(CView* sender, long hint, void* hintObject) override;
    void OnSize(int sizeType, int cx, int cy) override;
    void OnContextMenu(QWidget* window, QPoint screenPoint) override;

    void OnUpdateSessionCommand(CCmdUI& ui) const;
    void OnExpandSession();
    void OnDblClkSessionList();
    // Writes the selected session's records to a recording file that the user names.
    void OnExtractSessionData();
    // The open session document that shows this very session object, or null.
    CSessionDoc* FindSessionDocument(const SessionPtr& session) const;

    CSessionListCtrl m_sessionList;
    CMultiDocTemplate* m_pSessionTemplate = nullptr;
};
