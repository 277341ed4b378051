#include "tests/support/ScriptedInteraction.h"

#include <QWidget>

ScriptedInteraction::ScriptedInteraction()
{
    SetUserInteraction(this);
}

ScriptedInteraction::~ScriptedInteraction()
{
    SetUserInteraction(nullptr);
}

void ScriptedInteraction::MessageBox(const QString& text, MessageIcon icon)
{
    messages.push_back({text, icon});
}

std::optional<QString> ScriptedInteraction::OpenFileName(const FileDialogRequest& request)
{
    openRequests.push_back(request);
    return NextFileAnswer();
}

std::optional<QString> ScriptedInteraction::SaveFileName(const FileDialogRequest& request)
{
    saveRequests.push_back(request);
    return NextFileAnswer();
}

bool ScriptedInteraction::ConfirmOverwrite(const QString& path)
{
    overwriteQuestions << path;
    if (overwriteAnswers.empty())
        return false;
    const bool answer = overwriteAnswers.front();
    overwriteAnswers.pop_front();
    return answer;
}

void ScriptedInteraction::ShowDialog(QWidget* dialog)
{
    dialogsShown << dialog->windowTitle();
}

QStringList ScriptedInteraction::MessageTexts() const
{
    QStringList texts;
    for (const Message& message : messages)
        texts << message.text;
    return texts;
}

std::optional<QString> ScriptedInteraction::NextFileAnswer()
{
    if (fileAnswers.empty())
        return std::nullopt;
    const QString answer = fileAnswers.front().value_or(QString());
    const bool cancelled = !fileAnswers.front().has_value();
    fileAnswers.pop_front();
    if (cancelled)
        return std::nullopt;
    return answer;
}
