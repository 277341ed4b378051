#include "framework/Dialog.h"

#include "framework/UserInteraction.h"

CDialog::CDialog(int templateId, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("dialog%1").arg(templateId));
}

int CDialog::DoModal()
{
    UserInteraction().ShowDialog(this);
    return result();
}
