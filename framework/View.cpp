#include "framework/View.h"

#include "framework/ContextMenu.h"
#include "framework/Document.h"
#include "framework/FrameWnd.h"
#include "framework/ListCtrl.h"

#include <QContextMenuEvent>
#include <QResizeEvent>

void DDX_Control(CDataExchange* exchange, int controlId, CListCtrl& control)
{
    if (!control.IsAttached())
        control.Attach(exchange->Form(), controlId);
}

CView::CView()
{
    setAttribute(Qt::WA_DeleteOnClose, false);
}

CView::~CView()
{
    if (m_pDocument)
        m_pDocument->RemoveView(this);
}

CFrameWndEx* CView::GetParentFrame() const
{
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (auto* frame = dynamic_cast<CFrameWndEx*>(w))
            return frame;
    return nullptr;
}

void CView::OnInitialUpdate()
{
    OnUpdate(nullptr, 0, nullptr);
}

void CView::OnUpdate(CView*, long, void*)
{
    update();
}

void CView::OnSize(int, int, int)
{
}

void CView::OnContextMenu(QWidget*, QPoint)
{
}

void CView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    OnSize(SIZE_RESTORED, event->size().width(), event->size().height());
}

void CView::contextMenuEvent(QContextMenuEvent* event)
{
    OnContextMenu(this, event->globalPos());
}

CFormView::CFormView(int dialogId, QSize dialogUnits)
{
    setObjectName(QStringLiteral("form%1").arg(dialogId));
    const QRect size = DialogRect(0, 0, dialogUnits.width(), dialogUnits.height());
    resize(size.size());
}

void CFormView::OnInitialUpdate()
{
    UpdateData(false);
    CView::OnInitialUpdate();
}

void CFormView::DoDataExchange(CDataExchange*)
{
}

bool CFormView::UpdateData(bool)
{
    CDataExchange exchange(this);
    DoDataExchange(&exchange);
    return true;
}

QRect CFormView::DialogRect(int x, int y, int cx, int cy)
{
    // Dialog units of an 8-point dialog font: a quarter of 6 pixels across, an eighth of 13 down.
    constexpr double unitX = 6.0 / 4.0;
    constexpr double unitY = 13.0 / 8.0;
    return QRect(qRound(x * unitX), qRound(y * unitY), qRound(cx * unitX), qRound(cy * unitY));
}
