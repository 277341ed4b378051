#include "windows/MainFrame.h"

#include "app/Resource.h"
#include "framework/Resources.h"

int CMainFrame::OnCreate()
{
    if (CPlacedFrame::OnCreate() == -1)
        return -1;
    if (!m_menuBar.Create(this, IDR_MAINFRAME))
        return -1;
    if (!m_toolBar.CreateEx(this) || !m_toolBar.LoadToolBar(IDR_MAINFRAME))
        return -1;
    m_toolBar.SetWindowText(Resources().String(IDS_TOOLBAR_STANDARD));
    if (!m_statusBar.Create(this)
        || !m_statusBar.SetIndicators({ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL}))
        return -1;
    return 0;
}
