#pragma once

#include <QString>
#include <QStringList>

// The most recently opened files, newest first, kept in the per-user settings.
class RecentFileList
{
public:
    RecentFileList(QString organization, QString application, int size);

    void Add(const QString& path);
    void Remove(const QString& path);
    const QStringList& Files() const { return m_files; }
    void Load();
    void Save() const;

private:
    QString m_organization;
    QString m_application;
    int m_size;
    QStringList m_files;
};
