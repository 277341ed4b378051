#include "windows/FramePlacement.h"

#include "framework/View.h"
#include "settings/ParameterStore.h"

bool CPlacedFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.x = ParameterStore::GetInt(m_keys.left, cs.x);
    cs.y = ParameterStore::GetInt(m_keys.top, cs.y);
    cs.cx = ParameterStore::GetInt(m_keys.width, cs.cx);
    cs.cy = ParameterStore::GetInt(m_keys.height, cs.cy);
    return CFrameWndEx::PreCreateWindow(cs);
}

void CPlacedFrame::OnMove(int x, int y)
{
    CFrameWndEx::OnMove(x, y);
    if (IsIconic() || IsZoomed())
        return;
    const QRect rect = GetWindowRect();
    ParameterStore::SetInt(m_keys.left, rect.left());
    ParameterStore::SetInt(m_keys.top, rect.top());
}

void CPlacedFrame::OnSize(int sizeType, int cx, int cy)
{
    CFrameWndEx::OnSize(sizeType, cx, cy);
    if (sizeType != SIZE_RESTORED)
        return;
    const QRect rect = GetWindowRect();
    ParameterStore::SetInt(m_keys.width, rect.width());
    ParameterStore::SetInt(m_keys.height, rect.height());
}
