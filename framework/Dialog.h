#pragma once

#include <QDialog>

// A modal dialog made from a dialog template id.
class CDialog : public QDialog
{
public:
    explicit CDialog(int templateId, QWidget* parent = nullptr);

    // Shows the dialog through the user-interaction interface.
    int DoModal();
};
