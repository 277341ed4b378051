#include "app/KoveloApp.h"

#include "app/AboutDlg.h"
#include "app/AppResources.h"
#include "app/DesktopRegistration.h"
#include "app/Resource.h"
#include "app/SingleInstance.h"
#include "framework/DocTemplate.h"
#include "framework/FrameWnd.h"
#include "framework/Resources.h"
#include "framework/UserInteraction.h"
#include "recording/KoveloDoc.h"
#include "settings/ParameterStore.h"
#include "settings/SettingsPath.h"
#include "windows/KoveloView.h"
#include "windows/MainFrame.h"

CKoveloApp::CKoveloApp(AppEnvironment environment) : m_environment(std::move(environment))
{
    m_pszAppName = QStringLiteral("Kovelo");
    OnCommand(ID_APP_ABOUT, [this] { OnAppAbout(); });
    OnCommand(ID_FILE_OPEN, [this] { OnFileOpen(); });
}

CKoveloApp::~CKoveloApp() = default;

bool CKoveloApp::InitInstance()
{
    AddKoveloResources(Resources());
    CWinAppEx::InitInstance();
    SetRegistryKey(QStringLiteral("Local AppWizard-Generated Applications"));
    LoadStdProfileSettings(4);

    AddDocTemplate(new CSingleDocTemplate(
        IDR_MAINFRAME,
        [] { return new CKoveloDoc; },
        [] { return new CMainFrame; },
        [] { return new CKoveloView; }));

    LoadSettings();
    if (m_environment.integrateWithDesktop)
        IntegrateWithDesktop();

    CCommandLineInfo commandLine;
    commandLine.ParseCommandLine(m_environment.arguments);
    if (!ProcessShellCommand(commandLine))
        return false;

    m_pMainWnd->showNormal();
    m_pMainWnd->raise();
    m_pMainWnd->DragAcceptFiles(true);
    return true;
}

int CKoveloApp::ExitInstance()
{
    const int exitCode = CWinAppEx::ExitInstance();
    if (exitCode == 0 && ParameterStore::IsModified())
        ParameterStore::Save();
    return exitCode;
}

void CKoveloApp::OnAppAbout()
{
    CAboutDlg about(m_pMainWnd);
    about.DoModal();
}

void CKoveloApp::LoadSettings()
{
    std::vector<std::string> systemFolders;
    for (const QString& folder : m_environment.systemProgramFolders)
        systemFolders.push_back(folder.toStdString());
    m_settingsFile = QString::fromStdString(SettingsPath(
        m_environment.executablePath.toStdString(), m_environment.configHome.toStdString(), systemFolders));
    if (const auto error = ParameterStore::Load(m_settingsFile.toStdString()))
        AfxMessageBox(QString::fromStdString(*error), MessageIcon::Exclamation);
}

void CKoveloApp::IntegrateWithDesktop()
{
    m_instance = std::make_unique<SingleInstance>();
    m_instance->Listen([this](const QString& path) {
        OpenDocumentFile(path);
        if (m_pMainWnd) {
            m_pMainWnd->showNormal();
            m_pMainWnd->raise();
            m_pMainWnd->activateWindow();
        }
    });
    RegisterWithDesktop(m_environment.executablePath, UserDataHome(), SystemDataDirs());
}
