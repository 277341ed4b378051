#include "framework/RecentFileList.h"

#include <QSettings>

namespace {
const QString Section = QStringLiteral("Recent File List");
}

RecentFileList::RecentFileList(QString organization, QString application, int size)
    : m_organization(std::move(organization)), m_application(std::move(application)), m_size(size)
{
}

void RecentFileList::Add(const QString& path)
{
    m_files.removeAll(path);
    m_files.prepend(path);
    while (m_files.size() > m_size)
        m_files.removeLast();
}

void RecentFileList::Remove(const QString& path)
{
    m_files.removeAll(path);
}

void RecentFileList::Load()
{
    QSettings settings(m_organization, m_application);
    settings.beginGroup(Section);
    m_files.clear();
    for (int i = 1; i <= m_size; ++i) {
        const QString file = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!file.isEmpty())
            m_files << file;
    }
}

void RecentFileList::Save() const
{
    QSettings settings(m_organization, m_application);
    settings.remove(Section);
    settings.beginGroup(Section);
    for (int i = 0; i < m_files.size(); ++i)
        settings.setValue(QStringLiteral("File%1").arg(i + 1), m_files[i]);
}
