#include "tests/support/AppFixture.h"

#include "settings/ParameterStore.h"
#include "windows/MainFrame.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

// Readable QString values in failure messages.
void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

const char* const MainKeys[] = {"MainWinX", "MainWinY", "MainWinCX", "MainWinCY"};

// The four main-window parameters as the store holds them; -1 where none is stored.
QRect StoredMainPlacement()
{
    return QRect(ParameterStore::GetInt(MainKeys[0], -1), ParameterStore::GetInt(MainKeys[1], -1),
                 ParameterStore::GetInt(MainKeys[2], -1), ParameterStore::GetInt(MainKeys[3], -1));
}

QByteArray MainPlacementFile(const QRect& rect)
{
    return "<Settings>\n"
           "  <Parameters>\n"
           "    <MainWinX type=\"int\">" + QByteArray::number(rect.x()) + "</MainWinX>\n"
           "    <MainWinY type=\"int\">" + QByteArray::number(rect.y()) + "</MainWinY>\n"
           "    <MainWinCX type=\"int\">" + QByteArray::number(rect.width()) + "</MainWinCX>\n"
           "    <MainWinCY type=\"int\">" + QByteArray::number(rect.height()) + "</MainWinCY>\n"
           "  </Parameters>\n"
           "</Settings>\n";
}

const QByteArray Skeleton = "<Settings>\n  <Parameters>\n  </Parameters>\n</Settings>\n";

class SettingsFileTest : public AppFixture
{
protected:
    // Moves and sizes the main window's outer rectangle as the user would.
    void Place(const QRect& rect)
    {
        MainFrame()->move(rect.topLeft());
        Flush();
        MainFrame()->SetWindowSize(rect.width(), rect.height());
        Flush();
    }

    QDateTime SetModified(const QString& path, const QDateTime& time)
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadWrite));
        EXPECT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
        return QFileInfo(path).lastModified();
    }
};

// Placement of the main window.

using MainWindowPlacement = SettingsFileTest;

TEST_F(MainWindowPlacement, ShownWindowIsStored)
{
    ASSERT_TRUE(Start());
    EXPECT_EQ(StoredMainPlacement(), MainFrame()->GetWindowRect());
}

TEST_F(MainWindowPlacement, MoveAndResizeAreStoredAndAppliedAtTheNextStart)
{
    ASSERT_TRUE(Start());
    const QRect before = MainFrame()->GetWindowRect();

    MainFrame()->move(130, 90);
    Flush();
    EXPECT_EQ(StoredMainPlacement(), QRect(QPoint(130, 90), before.size()));

    MainFrame()->SetWindowSize(700, 500);
    Flush();
    const QRect placed(130, 90, 700, 500);
    EXPECT_EQ(MainFrame()->GetWindowRect(), placed);
    EXPECT_EQ(StoredMainPlacement(), placed);

    Stop();
    ASSERT_TRUE(Start());
    EXPECT_EQ(MainFrame()->GetWindowRect(), placed);
    EXPECT_EQ(StoredMainPlacement(), placed);
}

TEST_F(MainWindowPlacement, MaximisedWindowKeepsTheNormalPlacement)
{
    const QRect normal(110, 70, 600, 400);
    ASSERT_TRUE(Start());
    Place(normal);
    ASSERT_EQ(StoredMainPlacement(), normal);

    MainFrame()->showMaximized();
    Flush();
    ASSERT_TRUE(MainFrame()->isMaximized());
    ASSERT_NE(MainFrame()->GetWindowRect(), normal);
    EXPECT_EQ(StoredMainPlacement(), normal);

    // Closed while maximised: the next start uses the last normal placement.
    Stop();
    ASSERT_TRUE(Start());
    EXPECT_EQ(MainFrame()->GetWindowRect(), normal);
}

// The settings file.

using SettingsFileOnDisk = SettingsFileTest;

TEST_F(SettingsFileOnDisk, FirstRunWritesTheSkeletonThenTheParametersInTheOrderFirstSet)
{
    ASSERT_FALSE(QFileInfo::exists(SettingsFile()));
    ASSERT_TRUE(Start());
    EXPECT_EQ(app->SettingsFile(), SettingsFile());
    EXPECT_EQ(ReadFile(SettingsFile()), Skeleton);
    EXPECT_TRUE(ui.messages.empty());

    Place(QRect(120, 80, 900, 640));
    EXPECT_EQ(Stop(), 0);
    EXPECT_EQ(ReadFile(SettingsFile()), MainPlacementFile(QRect(120, 80, 900, 640)));
}

TEST_F(SettingsFileOnDisk, RunThatChangesNothingLeavesTheFileUntouched)
{
    const QRect placed(120, 80, 900, 640);
    const QByteArray bytes = MainPlacementFile(placed);
    WriteFile(QStringLiteral("Kovelo.xml"), bytes);
    const QDateTime past = SetModified(SettingsFile(), QDateTime::currentDateTimeUtc().addDays(-3));

    ASSERT_TRUE(Start());
    EXPECT_EQ(MainFrame()->GetWindowRect(), placed);
    EXPECT_FALSE(ParameterStore::IsModified());
    EXPECT_EQ(Stop(), 0);

    EXPECT_EQ(ReadFile(SettingsFile()), bytes);
    EXPECT_EQ(QFileInfo(SettingsFile()).lastModified(), past);
}

TEST_F(SettingsFileOnDisk, UnparsableFileIsReportedAndNeverWritten)
{
    WriteFile(QStringLiteral("Kovelo.xml"), "<Settings>");
    ASSERT_TRUE(Start());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("XML parse error at row 0, col 0 => Error reading Element value."));
    EXPECT_EQ(StoredMainPlacement(), QRect(-1, -1, -1, -1));

    Place(QRect(120, 80, 900, 640));
    EXPECT_EQ(Stop(), 0);
    EXPECT_EQ(ReadFile(SettingsFile()), QByteArray("<Settings>"));
}

TEST_F(SettingsFileOnDisk, UnwritableProgramFolderKeepsSettingsInTheConfigurationFolder)
{
    // A read-only folder; root may write there anyway, so it gets a missing folder instead.
    const QString folder = Path(QStringLiteral("bin"));
    ASSERT_TRUE(QDir().mkdir(folder));
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (access(QFile::encodeName(folder).constData(), W_OK) == 0) {
        ASSERT_TRUE(QDir().rmdir(folder));
    }
    AppEnvironment environment;
    environment.executablePath = folder + QStringLiteral("/Kovelo");
    environment.configHome = Path(QStringLiteral("config"));
    environment.integrateWithDesktop = false;
    app = std::make_unique<CKoveloApp>(std::move(environment));
    ASSERT_TRUE(app->InitInstance());
    Flush();

    const QString settings = Path(QStringLiteral("config/kovelo.xml"));
    EXPECT_EQ(app->SettingsFile(), settings);
    EXPECT_EQ(ReadFile(settings), Skeleton);
    EXPECT_TRUE(ui.messages.empty());

    Place(QRect(120, 80, 900, 640));
    EXPECT_EQ(Stop(), 0);
    EXPECT_EQ(ReadFile(settings), MainPlacementFile(QRect(120, 80, 900, 640)));
    EXPECT_TRUE(QDir(folder).isEmpty());
}

} // namespace
