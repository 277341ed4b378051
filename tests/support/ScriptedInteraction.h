#pragma once

#include "framework/UserInteraction.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <optional>
#include <vector>

// Answers every modal exchange from a script and records what was asked; never blocks.
class ScriptedInteraction : public IUserInteraction
{
public:
    struct Message
    {
        QString text;
        MessageIcon icon;
    };

    ScriptedInteraction();
    ~ScriptedInteraction() override;

    void MessageBox(const QString& text, MessageIcon icon) override;
    std::optional<QString> OpenFileName(const FileDialogRequest& request) override;
    std::optional<QString> SaveFileName(const FileDialogRequest& request) override;
    bool ConfirmOverwrite(const QString& path) override;
    void ShowDialog(QWidget* dialog) override;

    // Answers of the next dialogs, in order; an empty answer cancels. Without one, a dialog cancels.
    std::deque<std::optional<QString>> fileAnswers;
    std::deque<bool> overwriteAnswers;

    std::vector<Message> messages;
    std::vector<FileDialogRequest> openRequests;
    std::vector<FileDialogRequest> saveRequests;
    QStringList overwriteQuestions;
    QStringList dialogsShown;

    QStringList MessageTexts() const;

private:
    std::optional<QString> NextFileAnswer();
};
