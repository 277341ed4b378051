#pragma once

#include "framework/WinApp.h"

#include <QString>
#include <QStringList>

#include <memory>

class SingleInstance;

// Where this run of Kovelo lives and what it was asked to do.
struct AppEnvironment
{
    QString executablePath;
    QString configHome;        // the user's configuration folder, for settings we cannot keep beside the program
    QStringList arguments;     // without the program name
    QStringList systemProgramFolders;   // where an installed Kovelo lives; it keeps its settings in configHome
    bool integrateWithDesktop = true;   // per-user file type registration and the single running instance
};

class CKoveloApp : public CWinAppEx
{
public:
    explicit CKoveloApp(AppEnvironment environment);
    ~CKoveloApp() override;

    bool InitInstance() override;
    int ExitInstance() override;

    void OnAppAbout();
    QString SettingsFile() const { return m_settingsFile; }

private:
    void LoadSettings();
    void IntegrateWithDesktop();

    AppEnvironment m_environment;
    QString m_settingsFile;
    std::unique_ptr<SingleInstance> m_instance;
};
