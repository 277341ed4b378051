#include "windows/SessionFrame.h"

#include "app/Resource.h"
#include "windows/FramePlacement.h"

bool CSessionFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    ApplyStoredPlacement(cs, SessionWindowKeys);
    return CFrameWndEx::PreCreateWindow(cs);
}

int CSessionFrame::OnCreate()
{
    if (CFrameWndEx::OnCreate() == -1)
        return -1;
    if (!m_menuBar.Create(this, IDR_SESSIONFRAME))
        return -1;
    if (!m_statusBar.Create(this) || !m_statusBar.SetIndicators({ID_SEPARATOR}))
        return -1;
    return 0;
}

void CSessionFrame::OnMove(int x, int y)
{
    CFrameWndEx::OnMove(x, y);
    StorePosition(*this, SessionWindowKeys);
}

void CSessionFrame::OnSize(int sizeType, int cx, int cy)
{
    CFrameWndEx::OnSize(sizeType, cx, cy);
    StoreSize(*this, sizeType, SessionWindowKeys);
}
