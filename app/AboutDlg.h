#pragma once

#include "framework/Dialog.h"

// The About box: icon, name and version, a notice line and OK.
class CAboutDlg : public CDialog
{
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
