#include "windows/FramePlacement.h"

#include "framework/View.h"
#include "settings/ParameterStore.h"

void ApplyStoredPlacement(CREATESTRUCT& cs, const PlacementKeys& keys)
{
    cs.x = ParameterStore::GetInt(keys.left, cs.x);
    cs.y = ParameterStore::GetInt(keys.top, cs.y);
    cs.cx = ParameterStore::GetInt(keys.width, cs.cx);
    cs.cy = ParameterStore::GetInt(keys.height, cs.cy);
}

void StorePosition(const CFrameWndEx& frame, const PlacementKeys& keys)
{
    if (frame.IsIconic() || frame.IsZoomed())
        return;
    const QRect rect = frame.GetWindowRect();
    ParameterStore::SetInt(keys.left, rect.left());
    ParameterStore::SetInt(keys.top, rect.top());
}

void StoreSize(const CFrameWndEx& frame, int sizeType, const PlacementKeys& keys)
{
    if (sizeType != SIZE_RESTORED)
        return;
    const QRect rect = frame.GetWindowRect();
    ParameterStore::SetInt(keys.width, rect.width());
    ParameterStore::SetInt(keys.height, rect.height());
}
