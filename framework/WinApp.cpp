#include "framework/WinApp.h"

#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/FrameWnd.h"
#include "framework/UserInteraction.h"

#include <QApplication>
#include <QFileInfo>

namespace {

CWinAppEx* theApp = nullptr;
constexpr int RecentFileCommands = 16;

} // namespace

void CCommandLineInfo::ParseCommandLine(const QStringList& arguments)
{
    for (const QString& argument : arguments) {
        if (argument.startsWith(QLatin1Char('-')))
            continue;
        m_nShellCommand = FileOpen;
        m_strFileName = argument;
        return;
    }
}

CWinAppEx::CWinAppEx()
{
    theApp = this;
    OnCommand(ID_APP_EXIT, [this] {
        if (m_pMainWnd)
            m_pMainWnd->close();
    });
    for (int i = 0; i < RecentFileCommands; ++i) {
        OnCommand(ID_FILE_MRU_FILE1 + i, [this, i] { OnOpenRecentFile(i); });
        OnUpdateCommand(ID_FILE_MRU_FILE1 + i, [this, i](CCmdUI& ui) {
            ui.Enable(m_recentFiles && i < m_recentFiles->Files().size());
        });
    }
}

CWinAppEx::~CWinAppEx()
{
    m_templates.clear();
    if (theApp == this)
        theApp = nullptr;
}

bool CWinAppEx::InitInstance()
{
    QApplication::setQuitOnLastWindowClosed(false);
    return true;
}

int CWinAppEx::ExitInstance()
{
    if (m_recentFiles)
        m_recentFiles->Save();
    return 0;
}

int CWinAppEx::Run()
{
    if (!InitInstance()) {
        ExitInstance();
        return 1;
    }
    m_running = true;
    const int loopResult = QApplication::exec();
    m_running = false;
    const int exitCode = ExitInstance();
    return exitCode != 0 ? exitCode : loopResult;
}

void CWinAppEx::Quit(int exitCode)
{
    if (m_running)
        QApplication::exit(exitCode);
}

void CWinAppEx::SetRegistryKey(const QString& key)
{
    m_pszRegistryKey = key;
}

void CWinAppEx::LoadStdProfileSettings(int recentFiles)
{
    m_recentFiles = std::make_unique<RecentFileList>(m_pszRegistryKey, m_pszAppName, recentFiles);
    m_recentFiles->Load();
}

void CWinAppEx::AddToRecentFileList(const QString& path)
{
    if (m_recentFiles)
        m_recentFiles->Add(path);
}

void CWinAppEx::AddDocTemplate(CDocTemplate* docTemplate)
{
    m_templates.emplace_back(docTemplate);
}

CDocument* CWinAppEx::OpenDocumentFile(const QString& path)
{
    return m_templates.empty() ? nullptr : m_templates.front()->OpenDocumentFile(path);
}

bool CWinAppEx::ProcessShellCommand(const CCommandLineInfo& info)
{
    if (info.m_nShellCommand == CCommandLineInfo::FileOpen)
        return OpenDocumentFile(info.m_strFileName) != nullptr;
    OnFileNew();
    return m_pMainWnd != nullptr;
}

void CWinAppEx::CloseAllDocuments()
{
    for (auto it = m_templates.rbegin(); it != m_templates.rend(); ++it)
        (*it)->CloseAllDocuments();
}

void CWinAppEx::OnFileNew()
{
    OpenDocumentFile(QString());
}

void CWinAppEx::OnFileOpen()
{
    FileDialogRequest request;
    for (const auto& docTemplate : m_templates) {
        const QString filter = docTemplate->GetDocString(3);
        if (!filter.isEmpty())
            request.filters << filter;
    }
    request.filters << QStringLiteral("All Files (*.*)");
    if (const auto path = PromptOpenFileName(request))
        OpenDocumentFile(*path);
}

void CWinAppEx::OnOpenRecentFile(int index)
{
    if (!m_recentFiles || index >= m_recentFiles->Files().size())
        return;
    const QString path = m_recentFiles->Files().at(index);
    if (!OpenDocumentFile(path))
        m_recentFiles->Remove(path);
}

CWinAppEx* AfxGetApp()
{
    return theApp;
}
