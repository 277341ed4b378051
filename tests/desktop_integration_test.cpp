#include "app/DesktopRegistration.h"
#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class Registration : public ::testing::Test
{
protected:
    QString DataHome() const { return m_dir.filePath(QStringLiteral("data")); }
    QString SystemDir() const { return m_dir.filePath(QStringLiteral("system")); }
    QString Entry() const { return DataHome() + QStringLiteral("/applications/kovelo.desktop"); }
    QString MimeFile() const { return DataHome() + QStringLiteral("/mime/packages/kovelo.xml"); }

    QTemporaryDir m_dir;
};

TEST_F(Registration, WritesTheMimeTypeAndAnEntryThatStartsThisProgram)
{
    RegisterWithDesktop(QStringLiteral("/opt/kovelo/kovelo"), DataHome(), {SystemDir()});
    EXPECT_TRUE(Read(Entry()).contains("Exec=\"/opt/kovelo/kovelo\" %f\n"));
    EXPECT_TRUE(Read(Entry()).contains("MimeType=application/x-kovelo-recording;"));
    EXPECT_TRUE(Read(MimeFile()).contains("<glob pattern=\"*.kvd\"/>"));
    EXPECT_TRUE(Read(MimeFile()).contains("<comment>Kovelo recording</comment>"));
    EXPECT_TRUE(QFile::exists(DataHome() + QStringLiteral("/icons/hicolor/scalable/apps/kovelo.svg")));
}

TEST_F(Registration, RewritesOnlyFilesThatAreMissingOrOutOfDate)
{
    RegisterWithDesktop(QStringLiteral("/opt/kovelo/kovelo"), DataHome(), {SystemDir()});
    const QDateTime mimeWritten = QFileInfo(MimeFile()).lastModified();
    QThread::msleep(20);
    RegisterWithDesktop(QStringLiteral("/home/user/kovelo/kovelo"), DataHome(), {SystemDir()});
    EXPECT_EQ(QFileInfo(MimeFile()).lastModified(), mimeWritten);
    EXPECT_TRUE(Read(Entry()).contains("Exec=\"/home/user/kovelo/kovelo\" %f\n"));
}

TEST_F(Registration, LeavesTheUserFolderAloneWhenTheSystemHasKovelo)
{
    QDir().mkpath(SystemDir() + QStringLiteral("/applications"));
    QFile installed(SystemDir() + QStringLiteral("/applications/kovelo.desktop"));
    ASSERT_TRUE(installed.open(QIODevice::WriteOnly));
    installed.close();
    RegisterWithDesktop(QStringLiteral("/usr/bin/kovelo"), DataHome(), {QStringLiteral("/nowhere"), SystemDir()});
    EXPECT_FALSE(QFileInfo::exists(DataHome()));
}

TEST(SingleInstanceTest, ALaterStartHandsItsFileToTheRunningOne)
{
    const QString name = QStringLiteral("kovelo-test-%1").arg(QCoreApplication::applicationPid());
    SingleInstance running(name);
    QStringList opened;
    ASSERT_TRUE(running.Listen([&opened](const QString& path) { opened << path; }));

    ASSERT_TRUE(SingleInstance(name).ForwardToRunning(QStringLiteral("relative/demo.kvd")));
    QElapsedTimer waited;
    waited.start();
    while (opened.isEmpty() && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(opened, QStringList{QFileInfo(QStringLiteral("relative/demo.kvd")).absoluteFilePath()});
}

TEST(SingleInstanceTest, NoRunningInstanceMeansTheStartGoesOn)
{
    EXPECT_FALSE(SingleInstance(QStringLiteral("kovelo-test-nobody-listens")).ForwardToRunning(QStringLiteral("a.kvd")));
}

} // namespace
