#pragma once

#include "framework/CmdTarget.h"

#include <QMainWindow>

#include <climits>
#include <map>
#include <vector>

class CDocument;
class CView;
class QAction;
class QTimer;

// "Let the system choose" for a placement value.
constexpr int CW_USEDEFAULT = INT_MIN;

// The placement proposed for a frame before it is made: outer rectangle in screen pixels.
struct CREATESTRUCT
{
    int x = CW_USEDEFAULT;
    int y = CW_USEDEFAULT;
    int cx = CW_USEDEFAULT;
    int cy = CW_USEDEFAULT;
};

// A top-level frame window with menu bar, bars and one view. Commands reach the active view,
// its document, the frame and the application, in this order.
class CFrameWndEx : public QMainWindow, public CCmdTarget
{
public:
    CFrameWndEx();
    ~CFrameWndEx() override;

    // Makes the window from its resource id: placement, bars, then the view on the document.
    bool LoadFrame(int resourceId, CDocument* document, CView* view);

    virtual bool PreCreateWindow(CREATESTRUCT& cs);
    // 0 when the frame and its bars were made, -1 otherwise.
    virtual int OnCreate();
    virtual void OnMove(int x, int y);
    virtual void OnSize(int sizeType, int cx, int cy);
    virtual void OnUpdateFrameTitle();
    virtual void OnDropFiles(const QStringList& paths);

    int ResourceId() const { return m_resourceId; }
    void SetTitle(const QString& title) { m_title = title; }
    const QString& GetTitle() const { return m_title; }

    // Outer window rectangle, screen coordinates; client rectangle, client coordinates.
    QRect GetWindowRect() const;
    QRect GetClientRect() const;
    // Resizes the outer window, keeping its position.
    void SetWindowSize(int cx, int cy);
    // Resizes the window so that its client area is cx wide, keeping its outer height.
    void SetClientWidth(int cx);
    bool IsIconic() const { return isMinimized(); }
    bool IsZoomed() const { return isMaximized(); }

    CView* GetActiveView() const { return m_activeView; }
    CDocument* GetActiveDocument() const;
    void DragAcceptFiles(bool accept = true) { setAcceptDrops(accept); }
    void DestroyWindow();

    bool OnCmdMsg(int id) override;
    bool OnUpdateCmdMsg(CCmdUI& ui) override;
    // Runs a command when its update handlers enable it.
    bool ExecuteCommand(int id);
    CCmdUI QueryCommand(int id);
    // Shows the update handlers' answers on the menu bar, the toolbars and their menus.
    void UpdateCommandUI();
    // Action of a command; the framework keeps one per command and frame.
    QAction* CommandAction(int id);
    // The message pane's text: a prompt or the idle text.
    void SetMessageText(const QString& text);

protected:
    bool event(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    template <typename Bar>
    void BindBarCommand(int id);
    void ApplyPlacement(const CREATESTRUCT& cs);
    void InstallAccelerators();
    int SizeTypeNow() const;

    int m_resourceId = 0;
    QString m_title;
    CView* m_activeView = nullptr;
    std::map<int, QAction*> m_actions;
    QTimer* m_idleTimer = nullptr;
    QSize m_requestedSize;
    int m_requestedClientWidth = -1;
};
