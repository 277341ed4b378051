#include "framework/UserInteraction.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace {


QString WithDefaultExtension(const QString& path, const QString& extension)
{
    if (extension.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QLatin1Char('.') + extension;
}

class DesktopInteraction : public IUserInteraction
{
public:
    void MessageBox(const QString& text, MessageIcon icon) override
    {
        QMessageBox box(QApplication::activeWindow());
        box.setWindowTitle(QApplication::applicationDisplayName());
        box.setText(text);
        box.setIcon(QtIcon(icon));
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
    }

    std::optional<QString> OpenFileName(const FileDialogRequest& request) override
    {
        QFileDialog dialog(QApplication::activeWindow());
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilters(request.filters);
        return Run(dialog);
    }

    std::optional<QString> SaveFileName(const FileDialogRequest& request) override
    {
        QFileDialog dialog(QApplication::activeWindow());
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.setNameFilters(request.filters);
        dialog.setDefaultSuffix(request.defaultExtension);
        dialog.selectFile(request.defaultName);
        return Run(dialog);
    }

    bool ConfirmOverwrite(const QString& path) override
    {
        const auto answer = QMessageBox::warning(
            QApplication::activeWindow(), QApplication::applicationDisplayName(),
            QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(QFileInfo(path).fileName()),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        return answer == QMessageBox::Yes;
    }

    void ShowDialog(QWidget* dialog) override
    {
        if (auto* modal = qobject_cast<QDialog*>(dialog))
            modal->exec();
    }

private:
    static QMessageBox::Icon QtIcon(MessageIcon icon)
    {
        return icon == MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon;
    }

    static std::optional<QString> Run(QFileDialog& dialog)
    {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().first();
    }
};

IUserInteraction* installed = nullptr;

} // namespace

IUserInteraction::~IUserInteraction() = default;

IUserInteraction& UserInteraction()
{
    static DesktopInteraction desktop;
    return installed ? *installed : desktop;
}

void SetUserInteraction(IUserInteraction* ui)
{
    installed = ui;
}

void AfxMessageBox(const QString& text, MessageIcon icon)
{
    UserInteraction().MessageBox(text, icon);
}

std::optional<QString> PromptSaveFileName(const FileDialogRequest& request)
{
    for (;;) {
        auto chosen = UserInteraction().SaveFileName(request);
        if (!chosen)
            return std::nullopt;
        const QString path = WithDefaultExtension(*chosen, request.defaultExtension);
        if (!QFileInfo::exists(path) || UserInteraction().ConfirmOverwrite(path))
            return path;
    }
}

std::optional<QString> PromptOpenFileName(const FileDialogRequest& request)
{
    return UserInteraction().OpenFileName(request);
}

