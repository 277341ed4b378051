#include "export/SaveWithDialog.h"

#include "framework/WaitCursor.h"

void ReportWriteOutcome(WriteOutcome outcome, const std::string& path)
{
    if (outcome != WriteOutcome::Written)
        AfxMessageBox(QString::fromStdString(OutcomeMessage(outcome, path)), MessageIcon::Exclamation);
}

void SaveWithDialog(const FileDialogRequest& request, const std::function<WriteOutcome(const std::string& path)>& write)
{
    const auto path = PromptSaveFileName(request);
    if (!path)
        return;
    WriteOutcome outcome = WriteOutcome::Written;
    {
        CWaitCursor wait;
        outcome = write(path->toStdString());
    }
    ReportWriteOutcome(outcome, path->toStdString());
}
