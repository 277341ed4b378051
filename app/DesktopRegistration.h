#pragma once

#include <QString>
#include <QStringList>

// Registers the recording file type and the Kovelo desktop entry for the user, unless the
// system already has them; files are rewritten only when missing or out of date.
void RegisterWithDesktop(const QString& executablePath, const QString& dataHome, const QStringList& systemDataDirs);

// $XDG_DATA_HOME or ~/.local/share, and $XDG_DATA_DIRS or /usr/local/share:/usr/share.
QString UserDataHome();
QStringList SystemDataDirs();
