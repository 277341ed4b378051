#include "framework/FrameWnd.h"

#include "framework/Document.h"
#include "framework/Resources.h"
#include "framework/StatusBar.h"
#include "framework/View.h"
#include "framework/WinApp.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

namespace {
constexpr int IdleUpdateMs = 250;
constexpr int IdleMessageId = 57345;
}

CFrameWndEx::CFrameWndEx()
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_idleTimer = new QTimer(this);
    m_idleTimer->setInterval(IdleUpdateMs);
    connect(m_idleTimer, &QTimer::timeout, this, [this] { UpdateCommandUI(); });
    BindBarCommand<QToolBar>(ID_VIEW_TOOLBAR);
    BindBarCommand<CMFCStatusBar>(ID_VIEW_STATUS_BAR);
}

template <typename Bar>
void CFrameWndEx::BindBarCommand(int id)
{
    OnCommand(id, [this] {
        if (auto* bar = findChild<Bar*>())
            bar->setVisible(!bar->isVisible());
    });
    OnUpdateCommand(id, [this](CCmdUI& ui) {
        auto* bar = findChild<Bar*>();
        ui.Enable(bar != nullptr);
        ui.SetCheck(bar && bar->isVisibleTo(this));
    });
}

CFrameWndEx::~CFrameWndEx()
{
    if (CWinAppEx* app = AfxGetApp(); app && app->m_pMainWnd == this)
        app->m_pMainWnd = nullptr;
}

bool CFrameWndEx::LoadFrame(int resourceId, CDocument* document, CView* view)
{
    m_resourceId = resourceId;
    m_title = Resources().String(resourceId).section(QLatin1Char('\n'), 0, 0);
    CREATESTRUCT cs;
    if (!PreCreateWindow(cs))
        return false;
    setWindowIcon(Resources().Icon(resourceId));
    ApplyPlacement(cs);
    if (OnCreate() != 0)
        return false;
    InstallAccelerators();
    m_activeView = view;
    setCentralWidget(view);
    if (document)
        document->AddView(view);
    m_idleTimer->start();
    return true;
}

bool CFrameWndEx::PreCreateWindow(CREATESTRUCT&)
{
    return true;
}

int CFrameWndEx::OnCreate()
{
    return 0;
}

void CFrameWndEx::OnMove(int, int)
{
}

void CFrameWndEx::OnSize(int, int, int)
{
}

void CFrameWndEx::OnUpdateFrameTitle()
{
    const CDocument* document = GetActiveDocument();
    const QString documentTitle = document ? document->GetTitle() : QString();
    setWindowTitle(documentTitle + QStringLiteral(" - ") + m_title);
}

void CFrameWndEx::OnDropFiles(const QStringList& paths)
{
    if (!paths.isEmpty())
        AfxGetApp()->OpenDocumentFile(paths.first());
}

QRect CFrameWndEx::GetWindowRect() const
{
    return frameGeometry();
}

QRect CFrameWndEx::GetClientRect() const
{
    return QRect(QPoint(0, 0), size());
}

void CFrameWndEx::SetWindowSize(int cx, int cy)
{
    if (m_requestedSize.isValid()) {
        m_requestedSize = QSize(cx, cy);
        m_requestedClientWidth = -1;
        resize(cx, cy);
        return;
    }
    const QSize margins = frameGeometry().size() - geometry().size();
    resize(cx - margins.width(), cy - margins.height());
}

void CFrameWndEx::SetClientWidth(int cx)
{
    // Before the first show the frame's own width is not known; the show keeps this width then.
    if (m_requestedSize.isValid())
        m_requestedClientWidth = cx;
    resize(cx, height());
}

CDocument* CFrameWndEx::GetActiveDocument() const
{
    return m_activeView ? m_activeView->GetDocument() : nullptr;
}

void CFrameWndEx::DestroyWindow()
{
    m_idleTimer->stop();
    if (m_activeView) {
        if (CDocument* document = m_activeView->GetDocument())
            document->RemoveView(m_activeView);
    }
    hide();
    deleteLater();
}

bool CFrameWndEx::OnCmdMsg(int id)
{
    if (m_activeView && m_activeView->OnCmdMsg(id))
        return true;
    if (CDocument* document = GetActiveDocument(); document && document->OnCmdMsg(id))
        return true;
    if (CCmdTarget::OnCmdMsg(id))
        return true;
    CWinAppEx* app = AfxGetApp();
    return app && app->OnCmdMsg(id);
}

bool CFrameWndEx::OnUpdateCmdMsg(CCmdUI& ui)
{
    if (m_activeView && m_activeView->OnUpdateCmdMsg(ui))
        return true;
    if (CDocument* document = GetActiveDocument(); document && document->OnUpdateCmdMsg(ui))
        return true;
    if (CCmdTarget::OnUpdateCmdMsg(ui))
        return true;
    CWinAppEx* app = AfxGetApp();
    return app && app->OnUpdateCmdMsg(ui);
}

CCmdUI CFrameWndEx::QueryCommand(int id)
{
    CCmdUI ui(id);
    OnUpdateCmdMsg(ui);
    return ui;
}

bool CFrameWndEx::ExecuteCommand(int id)
{
    if (!QueryCommand(id).IsEnabled())
        return false;
    const bool handled = OnCmdMsg(id);
    UpdateCommandUI();
    return handled;
}

QAction* CFrameWndEx::CommandAction(int id)
{
    QAction*& action = m_actions[id];
    if (!action) {
        action = new QAction(this);
        action->setData(id);
        action->setStatusTip(Resources().Prompt(id));
        action->setToolTip(Resources().ToolTip(id));
        connect(action, &QAction::triggered, this, [this, id] { ExecuteCommand(id); });
    }
    return action;
}

void CFrameWndEx::UpdateCommandUI()
{
    for (auto& [id, action] : m_actions) {
        const CCmdUI ui = QueryCommand(id);
        action->setEnabled(ui.IsEnabled());
        action->setCheckable(ui.IsChecked() || action->isCheckable());
        action->setChecked(ui.IsChecked());
    }
    if (auto* status = findChild<CMFCStatusBar*>())
        status->UpdateIndicators();
    if (menuBar())
        menuBar()->update();
}

void CFrameWndEx::SetMessageText(const QString& text)
{
    if (auto* status = findChild<CMFCStatusBar*>())
        status->SetMessageText(text.isEmpty() ? Resources().String(IdleMessageId) : text);
}

bool CFrameWndEx::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        SetMessageText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void CFrameWndEx::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    OnMove(x(), y());
}

void CFrameWndEx::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    // Until the first show has applied the outer size asked for, the size is not the window's own.
    if (!m_requestedSize.isValid())
        OnSize(SizeTypeNow(), width(), height());
}

void CFrameWndEx::closeEvent(QCloseEvent* event)
{
    CWinAppEx* app = AfxGetApp();
    if (app && app->m_pMainWnd == this) {
        event->ignore();
        app->CloseAllDocuments();
        DestroyWindow();
        app->Quit();
        return;
    }
    event->ignore();
    DestroyWindow();
}

void CFrameWndEx::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CFrameWndEx::dropEvent(QDropEvent* event)
{
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths << url.toLocalFile();
    event->acceptProposedAction();
    activateWindow();
    OnDropFiles(paths);
}

void CFrameWndEx::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // The outer size asked for before the window manager framed the window.
    if (m_requestedSize.isValid()) {
        const QSize requested = m_requestedSize;
        const int clientWidth = m_requestedClientWidth;
        m_requestedSize = QSize();
        m_requestedClientWidth = -1;
        SetWindowSize(requested.width(), requested.height());
        if (clientWidth >= 0)
            resize(clientWidth, height());
        OnSize(SizeTypeNow(), width(), height());
        // Qt takes over a position that the system chose without a move event.
        QMetaObject::invokeMethod(this, [this] { OnMove(x(), y()); }, Qt::QueuedConnection);
    }
}

void CFrameWndEx::ApplyPlacement(const CREATESTRUCT& cs)
{
    const QRect available = QGuiApplication::primaryScreen()
        ? QGuiApplication::primaryScreen()->availableGeometry() : QRect(0, 0, 1024, 768);
    const int cx = cs.cx == CW_USEDEFAULT ? available.width() * 3 / 5 : cs.cx;
    const int cy = cs.cy == CW_USEDEFAULT ? available.height() * 3 / 5 : cs.cy;
    resize(cx, cy);
    m_requestedSize = QSize(cx, cy);
    if (cs.x != CW_USEDEFAULT || cs.y != CW_USEDEFAULT) {
        const int left = cs.x == CW_USEDEFAULT ? available.left() + available.width() / 8 : cs.x;
        const int top = cs.y == CW_USEDEFAULT ? available.top() + available.height() / 8 : cs.y;
        move(left, top);
    }
}

void CFrameWndEx::InstallAccelerators()
{
    const auto* keys = Resources().Accelerators(m_resourceId);
    if (!keys)
        return;
    for (const Accelerator& key : *keys) {
        auto* shortcut = new QAction(this);
        shortcut->setShortcut(key.keys);
        shortcut->setShortcutContext(Qt::WindowShortcut);
        const int id = key.command;
        connect(shortcut, &QAction::triggered, this, [this, id] { ExecuteCommand(id); });
        addAction(shortcut);
    }
}

int CFrameWndEx::SizeTypeNow() const
{
    if (isMinimized())
        return SIZE_MINIMIZED;
    if (isMaximized())
        return SIZE_MAXIMIZED;
    return SIZE_RESTORED;
}
