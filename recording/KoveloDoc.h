#pragma once

#include "framework/Document.h"
#include "recording/RecordingFile.h"

// The main document: the one recording file that the main window shows.
class CKoveloDoc : public CDocument
{
public:
    CKoveloDoc();

    // Opens and measures the file; a refused or failed open keeps the previous file attached.
    bool OnOpenDocument(const QString& path) override;

    CFileMgr& FileMgr() { return m_recording.file; }

private:
    OpenedRecording m_recording;
};
