#pragma once

#include "framework/CmdTarget.h"

#include <QWidget>

class CDocument;
class CFrameWndEx;
class CListCtrl;

// Window size types handed to OnSize.
enum SizeType { SIZE_RESTORED = 0, SIZE_MINIMIZED = 1, SIZE_MAXIMIZED = 2 };

// Data exchange between a form and its controls: attaches each control once.
class CDataExchange
{
public:
    explicit CDataExchange(QWidget* form) : m_form(form) {}
    QWidget* Form() const { return m_form; }

private:
    QWidget* m_form;
};

void DDX_Control(CDataExchange* exchange, int controlId, CListCtrl& control);

// A view: the client of a frame, showing its document.
class CView : public QWidget, public CCmdTarget
{
public:
    CView();
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }
    CFrameWndEx* GetParentFrame() const;

    virtual void OnInitialUpdate();
    virtual void OnUpdate(CView* sender, long hint, void* hintObject);
    virtual void OnSize(int sizeType, int cx, int cy);
    virtual void OnContextMenu(QWidget* window, QPoint screenPoint);

    void AttachDocument(CDocument* document) { m_pDocument = document; }
    void DetachDocument() { m_pDocument = nullptr; }

    QRect GetClientRect() const { return rect(); }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    CDocument* m_pDocument = nullptr;
};

// A view whose content is the controls of a dialog template.
class CFormView : public CView
{
public:
    // The template's size in dialog units.
    CFormView(int dialogId, QSize dialogUnits);

    void OnInitialUpdate() override;
    virtual void DoDataExchange(CDataExchange* exchange);
    bool UpdateData(bool saveAndValidate = true);

    // Scroll sizes of the form; 0 x 0 means the form never scrolls.
    void SetScrollSizes(QSize total) { m_scrollSize = total; }
    QSize ScrollSizes() const { return m_scrollSize; }

    // Pixels of a rectangle given in the template's dialog units.
    static QRect DialogRect(int x, int y, int cx, int cy);

private:
    QSize m_scrollSize;
};
