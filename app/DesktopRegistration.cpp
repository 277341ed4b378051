#include "app/DesktopRegistration.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace {

QByteArray ResourceBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes the file when its content differs; true when it was written.
bool WriteIfChanged(const QString& path, const QByteArray& content)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == content)
        return false;
    existing.close();
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
}

bool InstalledSystemWide(const QStringList& systemDataDirs)
{
    for (const QString& dir : systemDataDirs)
        if (QFile::exists(dir + QStringLiteral("/applications/kovelo.desktop")))
            return true;
    return false;
}

void RunIfPresent(const QString& program, const QStringList& arguments)
{
    if (!QStandardPaths::findExecutable(program).isEmpty())
        QProcess::startDetached(program, arguments);
}

} // namespace

QString UserDataHome()
{
    const QString configured = qEnvironmentVariable("XDG_DATA_HOME");
    return configured.startsWith(QLatin1Char('/')) ? configured : QDir::homePath() + QStringLiteral("/.local/share");
}

QStringList SystemDataDirs()
{
    const QString configured = qEnvironmentVariable("XDG_DATA_DIRS");
    return configured.isEmpty() ? QStringList{QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")}
                                : configured.split(QLatin1Char(':'), Qt::SkipEmptyParts);
}

void RegisterWithDesktop(const QString& executablePath, const QString& dataHome, const QStringList& systemDataDirs)
{
    if (InstalledSystemWide(systemDataDirs))
        return;
    QByteArray entry = ResourceBytes(QStringLiteral(":/desktop/kovelo.desktop"));
    entry.replace("Exec=kovelo %f", "Exec=\"" + executablePath.toUtf8() + "\" %f");

    const QString mimeRoot = dataHome + QStringLiteral("/mime");
    const QString applications = dataHome + QStringLiteral("/applications");
    const bool mimeChanged = WriteIfChanged(mimeRoot + QStringLiteral("/packages/kovelo.xml"),
                                            ResourceBytes(QStringLiteral(":/desktop/kovelo-mime.xml")));
    const bool entryChanged = WriteIfChanged(applications + QStringLiteral("/kovelo.desktop"), entry);
    WriteIfChanged(dataHome + QStringLiteral("/icons/hicolor/scalable/apps/kovelo.svg"),
                   ResourceBytes(QStringLiteral(":/icons/kovelo.svg")));
    if (mimeChanged)
        RunIfPresent(QStringLiteral("update-mime-database"), {mimeRoot});
    if (entryChanged)
        RunIfPresent(QStringLiteral("update-desktop-database"), {applications});
}
