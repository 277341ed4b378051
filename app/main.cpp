#include "app/KoveloApp.h"
#include "app/SingleInstance.h"
#include "settings/SettingsPath.h"

#include <QApplication>

#include <csignal>

int main(int argc, char** argv)
{
    // A file past the size limit is then a failed write, reported, with no temporary file left.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kovelo"));
    QApplication::setApplicationVersion(QStringLiteral(KOVELO_VERSION));

    AppEnvironment environment;
    environment.executablePath = QApplication::applicationFilePath();
    environment.configHome = QString::fromStdString(UserConfigHome());
    environment.arguments = QApplication::arguments().mid(1);
    environment.systemProgramFolders = {QStringLiteral(KOVELO_INSTALL_BINDIR), QStringLiteral("/usr/bin"),
                                        QStringLiteral("/usr/local/bin")};

    CCommandLineInfo commandLine;
    commandLine.ParseCommandLine(environment.arguments);
    if (commandLine.m_nShellCommand == CCommandLineInfo::FileOpen
        && SingleInstance().ForwardToRunning(commandLine.m_strFileName))
        return 0;

    CKoveloApp app(std::move(environment));
    return app.Run();
}
