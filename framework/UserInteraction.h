#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

enum class MessageIcon
{
    None,
    Exclamation,
};

// What a file dialog is asked for. Filters are "Name (*.ext)" entries, in order.
struct FileDialogRequest
{
    QString defaultName;
    QString defaultExtension;   // without the dot; added when a chosen name has no extension
    QStringList filters;
};

// Every modal exchange with the user goes through this interface, so that tests can answer it.
class IUserInteraction
{
public:
    virtual ~IUserInteraction();

    virtual void MessageBox(const QString& text, MessageIcon icon) = 0;
    virtual std::optional<QString> OpenFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> SaveFileName(const FileDialogRequest& request) = 0;
    virtual bool ConfirmOverwrite(const QString& path) = 0;
    virtual void ShowDialog(QWidget* dialog) = 0;
};

IUserInteraction& UserInteraction();
// Installs the implementation in use (not owned); null restores the desktop dialogs.
void SetUserInteraction(IUserInteraction* ui);

void AfxMessageBox(const QString& text, MessageIcon icon = MessageIcon::Exclamation);

// The save dialog with the default extension applied and confirmation before an existing
// file is replaced; declining the replacement shows the dialog again.
std::optional<QString> PromptSaveFileName(const FileDialogRequest& request);
std::optional<QString> PromptOpenFileName(const FileDialogRequest& request);
