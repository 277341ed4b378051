#pragma once

#include "framework/CmdTarget.h"
#include "framework/RecentFileList.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class CDocTemplate;
class CDocument;
class CFrameWndEx;

// What the command line asks for: a new document, or a file to open.
struct CCommandLineInfo
{
    enum Shell { FileNew, FileOpen };

    void ParseCommandLine(const QStringList& arguments);

    Shell m_nShellCommand = FileNew;
    QString m_strFileName;
};

// The application: start-up, document templates, the recent-file list, shut-down.
class CWinAppEx : public CCmdTarget
{
public:
    CWinAppEx();
    ~CWinAppEx() override;

    virtual bool InitInstance();
    virtual int ExitInstance();
    // Start-up, the event loop and shut-down; the process's exit status.
    int Run();
    void Quit(int exitCode = 0);

    void SetRegistryKey(const QString& key);
    void LoadStdProfileSettings(int recentFiles);
    RecentFileList& RecentFiles() { return *m_recentFiles; }
    void AddToRecentFileList(const QString& path);

    void AddDocTemplate(CDocTemplate* docTemplate);
    const std::vector<std::unique_ptr<CDocTemplate>>& DocTemplates() const { return m_templates; }
    CDocument* OpenDocumentFile(const QString& path);
    bool ProcessShellCommand(const CCommandLineInfo& info);
    void CloseAllDocuments();

    void OnFileNew();
    void OnFileOpen();

    CFrameWndEx* m_pMainWnd = nullptr;
    QString m_pszAppName;
    QString m_pszRegistryKey;

protected:
    void OnOpenRecentFile(int index);

private:
    std::vector<std::unique_ptr<CDocTemplate>> m_templates;
    std::unique_ptr<RecentFileList> m_recentFiles;
    bool m_running = false;
};

CWinAppEx* AfxGetApp();

// Framework command ids.
constexpr int ID_FILE_NEW = 57600;
constexpr int ID_FILE_OPEN = 57601;
constexpr int ID_FILE_SAVE = 57603;
constexpr int ID_FILE_PRINT_SETUP = 57606;
constexpr int ID_FILE_PRINT = 57607;
constexpr int ID_FILE_PRINT_PREVIEW = 57609;
constexpr int ID_FILE_MRU_FILE1 = 57616;
constexpr int ID_EDIT_COPY = 57634;
constexpr int ID_EDIT_CUT = 57635;
constexpr int ID_EDIT_PASTE = 57637;
constexpr int ID_EDIT_UNDO = 57643;
constexpr int ID_APP_ABOUT = 57664;
constexpr int ID_APP_EXIT = 57665;
constexpr int ID_NEXT_PANE = 57680;
constexpr int ID_PREV_PANE = 57681;
constexpr int ID_VIEW_TOOLBAR = 59392;
constexpr int ID_VIEW_STATUS_BAR = 59393;
