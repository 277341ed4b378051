#include "app/AboutDlg.h"

#include "app/Resource.h"
#include "framework/Resources.h"
#include "framework/View.h"

#include <QLabel>
#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget* parent) : CDialog(IDD_ABOUTBOX, parent)
{
    setWindowTitle(QStringLiteral("About Kovelo"));
    setFixedSize(CFormView::DialogRect(0, 0, 170, 62).size());

    auto* icon = new QLabel(this);
    icon->setGeometry(CFormView::DialogRect(14, 14, 21, 20));
    icon->setPixmap(Resources().Icon(IDR_MAINFRAME).pixmap(icon->size()));

    auto* name = new QLabel(QStringLiteral("Kovelo, Version 1.0"), this);
    name->setTextFormat(Qt::PlainText);
    name->setGeometry(CFormView::DialogRect(42, 14, 114, 8));

    auto* notice = new QLabel(QStringLiteral("Vantrel Recorder post-processor"), this);
    notice->setGeometry(CFormView::DialogRect(42, 26, 114, 8));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(CFormView::DialogRect(113, 41, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
