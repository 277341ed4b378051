#include "windows/SessionFrame.h"

#include "app/Resource.h"

int CSessionFrame::OnCreate()
{
    if (CPlacedFrame::OnCreate() == -1)
        return -1;
    if (!m_menuBar.Create(this, IDR_SESSIONFRAME))
        return -1;
    if (!m_statusBar.Create(this) || !m_statusBar.SetIndicators({ID_SEPARATOR}))
        return -1;
    return 0;
}
