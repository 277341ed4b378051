#include "framework/Dialog.h"

#include "framework/UserInteraction.h"

CDialog::CDialog(int templateId, QWidget* parent) : QDialog(parent), m_templateId(templateId)
{
}

int CDialog::DoModal()
{
    UserInteraction().ShowDialog(this);
    return result();
}
