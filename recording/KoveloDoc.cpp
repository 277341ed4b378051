#include "recording/KoveloDoc.h"

#include "framework/UserInteraction.h"
#include "framework/WinApp.h"

CKoveloDoc::CKoveloDoc()
{
    // Save has nothing to write and never touches a recording.
    OnCommand(ID_FILE_SAVE, [] {});
}

bool CKoveloDoc::OnOpenDocument(const QString& path)
{
    OpenedRecording next;
    std::string error;
    if (!OpenRecording(path.toStdString(), next, error)) {
        AfxMessageBox(QString::fromStdString(error), MessageIcon::Exclamation);
        return false;
    }
    m_recording = std::move(next);
    return true;
}
