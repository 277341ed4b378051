#include "tests/support/AppFixture.h"

#include "app/Resource.h"
#include "framework/WinApp.h"
#include "tools/RecordBuilder.h"
#include "windows/KoveloView.h"
#include "windows/MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>

// Readable QString values in failure messages.
void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

SampleRecord At(int hour, int minute, int second)
{
    RecordFields fields;
    fields.year = 2016;
    fields.month = 3;
    fields.day = 7;
    fields.hour = hour;
    fields.minute = minute;
    fields.second = second;
    return BuildRecord(fields);
}

// Three sessions: 10:00:00-01, 10:00:10-11, 10:00:20-22.
std::vector<SampleRecord> ThreeSessions()
{
    return {At(10, 0, 0), At(10, 0, 1), At(10, 0, 10), At(10, 0, 11), At(10, 0, 20), At(10, 0, 21), At(10, 0, 22)};
}

// Two sessions: 11:00:00-02 and 11:00:10-11.
std::vector<SampleRecord> TwoSessions()
{
    return {At(11, 0, 0), At(11, 0, 1), At(11, 0, 2), At(11, 0, 10), At(11, 0, 11)};
}

QStringList RowTexts(const CSessionListCtrl& list, int row)
{
    QStringList texts;
    for (int column = 0; column < list.GetColumnCount(); ++column)
        texts << list.GetItemText(row, column);
    return texts;
}

QMenu* MenuNamed(CMainFrame* frame, const QString& title)
{
    for (QAction* action : frame->m_menuBar.actions())
        if (action->menu() && action->text() == title)
            return action->menu();
    return nullptr;
}

QAction* ActionFor(const QList<QAction*>& actions, int id)
{
    for (QAction* action : actions)
        if (action->data().toInt() == id && !action->isSeparator())
            return action;
    return nullptr;
}

// Texts of the menu's items as they show when it opens.
QStringList OpenedMenuTexts(QMenu* menu)
{
    emit menu->aboutToShow();
    QStringList texts;
    for (QAction* action : menu->actions())
        if (action->isVisible())
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

class MainWindowTest : public AppFixture
{
protected:
    // Opens the path through File Open as if the user had chosen it in the dialog.
    void OpenThroughDialog(const QString& path)
    {
        ui.fileAnswers.push_back(path);
        MainFrame()->ExecuteCommand(ID_FILE_OPEN);
        Flush();
    }

    const CSessionListCtrl& List() const { return MainView()->m_sessionList; }
};

// Start-up.

using StartUp = MainWindowTest;

TEST_F(StartUp, WithoutArgumentsShowsAnEmptyListUnderUntitled)
{
    ASSERT_TRUE(Start());
    EXPECT_EQ(MainFrame()->windowTitle(), QStringLiteral("Untitled - Kovelo"));
    EXPECT_TRUE(MainFrame()->isVisible());
    EXPECT_EQ(List().GetItemCount(), 0);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(StartUp, WithARecordingListsItsSessions)
{
    const QString path = WriteRecording(QStringLiteral("two.kvd"), {At(10, 0, 0), At(10, 0, 1), At(10, 0, 7), At(10, 0, 8)});
    ASSERT_TRUE(Start({path}));
    EXPECT_EQ(MainFrame()->windowTitle(), QStringLiteral("two.kvd - Kovelo"));
    const CSessionListCtrl& list = MainView()->m_sessionList;
    ASSERT_EQ(list.GetItemCount(), 2);
    EXPECT_EQ(list.GetItemText(1, 1), QStringLiteral("2016-Mar-07 10:00:07"));
    EXPECT_EQ(list.GetItemText(1, 3), QStringLiteral("2"));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(StartUp, PathThatCannotBeOpenedEndsTheProgramWithItsMessage)
{
    const QString path = Path(QStringLiteral("missing.kvd"));
    EXPECT_FALSE(Start({path}));
    EXPECT_EQ(ui.MessageTexts(), QStringList{QStringLiteral("Error opening ") + path});
    EXPECT_EQ(app->m_pMainWnd, nullptr);
    for (QWidget* widget : QApplication::topLevelWidgets())
        EXPECT_FALSE(widget->isVisible()) << widget->metaObject()->className();
}

TEST_F(StartUp, LoneFinalSampleIsLeftOutWithItsMessage)
{
    const QString path = WriteRecording(QStringLiteral("lone.kvd"), {At(10, 0, 0), At(10, 0, 1), At(10, 0, 20)});
    ASSERT_TRUE(Start({path}));
    EXPECT_EQ(ui.MessageTexts(), QStringList{QStringLiteral("Last session contains just one sample")});
    ASSERT_EQ(List().GetItemCount(), 1);
    EXPECT_EQ(List().GetItemText(0, 2), QStringLiteral("2016-Mar-07 10:00:01"));
}

// Opening files.

using OpeningFiles = MainWindowTest;

TEST_F(OpeningFiles, FileOpenOffersExactlyTheRecordingAndAllFilesFilters)
{
    ASSERT_TRUE(Start());
    MainFrame()->ExecuteCommand(ID_FILE_OPEN);
    ASSERT_EQ(ui.openRequests.size(), 1u);
    EXPECT_EQ(ui.openRequests[0].filters,
              (QStringList{QStringLiteral("Kovelo Files (*.kvd)"), QStringLiteral("All Files (*.*)")}));
    EXPECT_EQ(MainFrame()->windowTitle(), QStringLiteral("Untitled - Kovelo"));
}

TEST_F(OpeningFiles, FileOpenShowsTheChosenRecording)
{
    ASSERT_TRUE(Start());
    OpenThroughDialog(WriteRecording(QStringLiteral("three.kvd"), ThreeSessions()));
    EXPECT_EQ(MainFrame()->windowTitle(), QStringLiteral("three.kvd - Kovelo"));
    ASSERT_EQ(List().GetItemCount(), 3);
    EXPECT_EQ(RowTexts(List(), 2), (QStringList{QString(), QStringLiteral("2016-Mar-07 10:00:20"),
                                                QStringLiteral("2016-Mar-07 10:00:22"), QStringLiteral("3")}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(OpeningFiles, RefusedFileKeepsThePreviousList)
{
    struct Case
    {
        const char* name;
        std::optional<QByteArray> bytes;   // none: the file does not exist
        QString message;
    };
    const Case cases[] = {
        {"odd.kvd", QByteArray(41, '\0'), QStringLiteral("File size is not a multiple of sample size")},
        {"gone.kvd", std::nullopt, QStringLiteral("Error opening %1")},
    };
    ASSERT_TRUE(Start({WriteRecording(QStringLiteral("three.kvd"), ThreeSessions())}));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui.messages.clear();
        const QString path = c.bytes ? WriteFile(QString::fromLatin1(c.name), *c.bytes) : Path(QString::fromLatin1(c.name));
        OpenThroughDialog(path);
        EXPECT_EQ(ui.MessageTexts(), QStringList{c.message.contains(QLatin1String("%1")) ? c.message.arg(path) : c.message});
        EXPECT_EQ(MainFrame()->windowTitle(), QStringLiteral("three.kvd - Kovelo"));
        ASSERT_EQ(List().GetItemCount(), 3);
        EXPECT_EQ(List().GetItemText(0, 1), QStringLiteral("2016-Mar-07 10:00:00"));
    }
}

TEST_F(OpeningFiles, SecondFileReplacesTheRowsAndContinuesTheItemData)
{
    ASSERT_TRUE(Start({WriteRecording(QStringLiteral("three.kvd"), ThreeSessions())}));
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(List().GetItemData(row), row);

    OpenThroughDialog(WriteRecording(QStringLiteral("two.kvd"), TwoSessions()));
    ASSERT_EQ(List().GetItemCount(), 2);
    EXPECT_EQ(RowTexts(List(), 0), (QStringList{QString(), QStringLiteral("2016-Mar-07 11:00:00"),
                                                QStringLiteral("2016-Mar-07 11:00:02"), QStringLiteral("3")}));
    EXPECT_EQ(RowTexts(List(), 1), (QStringList{QString(), QStringLiteral("2016-Mar-07 11:00:10"),
                                                QStringLiteral("2016-Mar-07 11:00:11"), QStringLiteral("2")}));
    EXPECT_EQ(List().GetItemData(0), 3);
    EXPECT_EQ(List().GetItemData(1), 4);

    MainView()->m_sessionList.SelectItem(0);
    const SessionPtr selected = List().GetSelectedSession();
    ASSERT_TRUE(selected);
    EXPECT_EQ(selected->StartIndex, 0);
    EXPECT_EQ(selected->SampleCount, 3);
}

TEST_F(OpeningFiles, ThePathAlreadyShownIsNotReadAgain)
{
    const QString path = WriteRecording(QStringLiteral("three.kvd"), ThreeSessions());
    ASSERT_TRUE(Start({path}));
    WriteRecording(QStringLiteral("three.kvd"), TwoSessions());
    OpenThroughDialog(path);
    EXPECT_EQ(List().GetItemCount(), 3);
    EXPECT_EQ(List().GetItemText(0, 1), QStringLiteral("2016-Mar-07 10:00:00"));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(OpeningFiles, RecentFilesAreListedNewestFirstAndReopened)
{
    const QString first = WriteRecording(QStringLiteral("three.kvd"), ThreeSessions());
    const QString second = WriteRecording(QStringLiteral("two.kvd"), TwoSessions());
    ASSERT_TRUE(Start());
    QMenu* file = MenuNamed(MainFrame(), QStringLiteral("&File"));
    ASSERT_NE(file, nullptr);
    const QStringList fixed = {QStringLiteral("&Open...\tCtrl+O"), QStringLiteral("-"),
                               QStringLiteral("&Print...\tCtrl+P"), QStringLiteral("Print Pre&view"),
                               QStringLiteral("P&rint Setup..."), QStringLiteral("-")};
    EXPECT_EQ(OpenedMenuTexts(file),
              fixed + QStringList({QStringLiteral("Recent File"), QStringLiteral("-"), QStringLiteral("E&xit")}));
    EXPECT_FALSE(MainFrame()->QueryCommand(ID_FILE_MRU_FILE1).IsEnabled());

    OpenThroughDialog(first);
    OpenThroughDialog(second);
    EXPECT_EQ(OpenedMenuTexts(file), fixed + QStringList({QStringLiteral("&1 ") + second, QStringLiteral("&2 ") + first,
                                                         QStringLiteral("-"), QStringLiteral("E&xit")}));

    // The list survives the run; its first entry opens the newest file.
    Stop();
    ASSERT_TRUE(Start());
    EXPECT_TRUE(MainFrame()->ExecuteCommand(ID_FILE_MRU_FILE1));
    Flush();
    EXPECT_EQ(MainFrame()->windowTitle(), QStringLiteral("two.kvd - Kovelo"));
    EXPECT_EQ(List().GetItemCount(), 2);
}

TEST_F(OpeningFiles, FileDroppedOnTheMainWindowIsOpened)
{
    ASSERT_TRUE(Start());
    EXPECT_TRUE(MainFrame()->acceptDrops());
    const QString path = WriteRecording(QStringLiteral("three.kvd"), ThreeSessions());
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(MainFrame(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(MainFrame(), &drop);
    Flush();
    EXPECT_EQ(MainFrame()->windowTitle(), QStringLiteral("three.kvd - Kovelo"));
    EXPECT_EQ(List().GetItemCount(), 3);
}

// Save reaches the document and leaves the recording alone.
TEST_F(OpeningFiles, SaveLeavesTheOpenRecordingUntouched)
{
    const QString path = WriteRecording(QStringLiteral("three.kvd"), ThreeSessions());
    const QByteArray bytes = ReadFile(path);
    const QDateTime past = QDateTime::currentDateTimeUtc().addDays(-3);
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(past, QFileDevice::FileModificationTime));
    }
    ASSERT_TRUE(Start({path}));

    const QList<QAction*> keys = MainFrame()->actions();
    EXPECT_TRUE(std::any_of(keys.begin(), keys.end(), [](const QAction* key) {
        return key->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_S);
    }));
    EXPECT_TRUE(MainFrame()->ExecuteCommand(ID_FILE_SAVE));
    MainFrame()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(MainFrame()));
    // Keys reach the accelerators: Ctrl+O asks for a file (and is cancelled).
    QTest::keyClick(MainFrame(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(ui.openRequests.size(), 1u);
    QTest::keyClick(MainFrame(), Qt::Key_S, Qt::ControlModifier);
    Flush();

    EXPECT_EQ(ReadFile(path), bytes);
    EXPECT_EQ(QFileInfo(path).lastModified().toSecsSinceEpoch(), past.toSecsSinceEpoch());
    EXPECT_EQ(List().GetItemCount(), 3);
    EXPECT_TRUE(ui.messages.empty());
}

// The session list inside the main view.

using SessionList = MainWindowTest;

TEST_F(SessionList, ColumnWidthsShareTheClientWidth)
{
    struct Case { int cx; int start; int end; int samples; };
    const Case cases[] = {{333, 133, 133, 67}, {0, 0, 0, 0}, {10, 4, 4, 2}};
    ASSERT_TRUE(Start());
    CSessionListCtrl& list = MainView()->m_sessionList;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cx);
        list.OnSize(SIZE_RESTORED, c.cx, 100);
        EXPECT_EQ(list.GetColumnWidth(0), 0);
        EXPECT_EQ(list.GetColumnWidth(1), c.start);
        EXPECT_EQ(list.GetColumnWidth(2), c.end);
        EXPECT_EQ(list.GetColumnWidth(3), c.samples);
    }
}

TEST_F(SessionList, CoversTheViewAfterTheFrameIsResized)
{
    ASSERT_TRUE(Start({WriteRecording(QStringLiteral("three.kvd"), ThreeSessions())}));
    MainFrame()->resize(640, 420);
    Flush();
    const CSessionListCtrl& list = List();
    EXPECT_EQ(list.geometry(), MainView()->rect());
    EXPECT_EQ(MainView()->ScrollSizes(), QSize(0, 0));
    EXPECT_FALSE(list.IsHorizontalScrollBarShown());
    const int cx = list.viewport()->width();
    EXPECT_EQ(list.GetColumnWidth(1), 4 * cx / 10);
    EXPECT_EQ(list.GetColumnWidth(1) + list.GetColumnWidth(2) + list.GetColumnWidth(3), cx);
}

// Commands, menus and bars.

using Commands = MainWindowTest;

TEST_F(Commands, SessionCommandsNeedASelectedRow)
{
    ASSERT_TRUE(Start());
    CMainFrame* frame = MainFrame();
    QMenu* sessions = MenuNamed(frame, QStringLiteral("Sessions"));
    ASSERT_NE(sessions, nullptr);
    const auto expectEnabled = [&](bool enabled) {
        frame->UpdateCommandUI();
        for (const int id : {ID_SESSIONS_EXPAND, ID_SESSIONS_EXTRACT}) {
            SCOPED_TRACE(id);
            EXPECT_EQ(frame->QueryCommand(id).IsEnabled(), enabled);
            QAction* action = ActionFor(sessions->actions(), id);
            ASSERT_NE(action, nullptr);
            EXPECT_EQ(action->isEnabled(), enabled);
        }
    };
    {
        SCOPED_TRACE("no file");
        expectEnabled(false);
    }
    OpenThroughDialog(WriteRecording(QStringLiteral("three.kvd"), ThreeSessions()));
    {
        SCOPED_TRACE("no selection");
        expectEnabled(false);
    }
    MainView()->m_sessionList.SelectItem(1);
    {
        SCOPED_TRACE("row selected");
        expectEnabled(true);
    }
    MainView()->m_sessionList.SelectItem(-1);
    {
        SCOPED_TRACE("selection cleared");
        expectEnabled(false);
    }
}

TEST_F(Commands, PrintAndCopyAreShownDisabled)
{
    ASSERT_TRUE(Start({WriteRecording(QStringLiteral("three.kvd"), ThreeSessions())}));
    CMainFrame* frame = MainFrame();
    frame->UpdateCommandUI();
    QMenu* file = MenuNamed(frame, QStringLiteral("&File"));
    ASSERT_NE(file, nullptr);
    struct Place { const char* where; QList<QAction*> actions; std::vector<int> ids; };
    const Place places[] = {
        {"File menu", file->actions(), {ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP}},
        {"toolbar", frame->m_toolBar.actions(), {ID_EDIT_COPY, ID_FILE_PRINT}},
    };
    for (const Place& place : places) {
        for (const int id : place.ids) {
            SCOPED_TRACE(std::string(place.where) + " " + std::to_string(id));
            EXPECT_FALSE(frame->QueryCommand(id).IsEnabled());
            QAction* action = ActionFor(place.actions, id);
            ASSERT_NE(action, nullptr);
            EXPECT_TRUE(action->isVisible());
            EXPECT_FALSE(action->isEnabled());
            EXPECT_FALSE(frame->ExecuteCommand(id));
        }
    }
    EXPECT_FALSE(frame->QueryCommand(ID_EDIT_COPY).IsEnabled());
}

TEST_F(Commands, ContextMenuOffersOnlyADisabledCopy)
{
    ASSERT_TRUE(Start({WriteRecording(QStringLiteral("three.kvd"), ThreeSessions())}));
    QWidget* listArea = MainView()->m_sessionList.viewport();
    const QPoint at(10, 10);
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, at, listArea->mapToGlobal(at));
    QCoreApplication::sendEvent(listArea, &rightClick);

    const QList<QMenu*> menus = MainView()->findChildren<QMenu*>();
    ASSERT_EQ(menus.size(), 1);
    QMenu* menu = menus.front();
    EXPECT_TRUE(menu->isVisible());
    ASSERT_EQ(menu->actions().size(), 1);
    QAction* copy = menu->actions().front();
    EXPECT_EQ(copy->text(), QStringLiteral("&Copy\tCtrl+C"));
    EXPECT_FALSE(copy->isEnabled());
    copy->trigger();
    menu->close();
    Flush();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(List().GetItemCount(), 3);
}

TEST_F(Commands, StatusBarShowsTheMessagePaneAndTheLockIndicators)
{
    ASSERT_TRUE(Start());
    const CMFCStatusBar& status = MainFrame()->m_statusBar;
    ASSERT_EQ(status.PaneCount(), 4);
    EXPECT_EQ(status.MessageText(), QStringLiteral("Ready"));
    EXPECT_EQ(status.PaneText(0), QStringLiteral("Ready"));
    EXPECT_EQ(status.PaneText(1), QStringLiteral("CAP"));
    EXPECT_EQ(status.PaneText(2), QStringLiteral("NUM"));
    EXPECT_EQ(status.PaneText(3), QStringLiteral("SCRL"));
}

TEST_F(Commands, StandardToolbarHoldsOpenCopyPrintAbout)
{
    ASSERT_TRUE(Start());
    const CMFCToolBar& toolbar = MainFrame()->m_toolBar;
    EXPECT_EQ(toolbar.windowTitle(), QStringLiteral("Standard"));
    QStringList buttons;
    for (QAction* action : toolbar.actions())
        buttons << (action->isSeparator() ? QStringLiteral("-") : QString::number(action->data().toInt()));
    EXPECT_EQ(buttons, (QStringList{QString::number(ID_FILE_OPEN), QStringLiteral("-"), QString::number(ID_EDIT_COPY),
                                  QStringLiteral("-"), QString::number(ID_FILE_PRINT), QString::number(ID_APP_ABOUT)}));
}

TEST_F(Commands, ViewMenuTogglesTheBarsWithCheckMarks)
{
    ASSERT_TRUE(Start());
    CMainFrame* frame = MainFrame();
    QMenu* view = MenuNamed(frame, QStringLiteral("View"));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(OpenedMenuTexts(view), (QStringList{QStringLiteral("Toolbar"), QStringLiteral("Status Bar")}));
    struct Case { int id; QWidget* bar; };
    const Case cases[] = {{ID_VIEW_TOOLBAR, &frame->m_toolBar}, {ID_VIEW_STATUS_BAR, &frame->m_statusBar}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        QAction* item = ActionFor(view->actions(), c.id);
        ASSERT_NE(item, nullptr);
        frame->UpdateCommandUI();
        EXPECT_TRUE(c.bar->isVisible());
        EXPECT_TRUE(item->isChecked());

        EXPECT_TRUE(frame->ExecuteCommand(c.id));
        EXPECT_FALSE(c.bar->isVisible());
        EXPECT_FALSE(item->isChecked());
        EXPECT_FALSE(frame->QueryCommand(c.id).IsChecked());

        EXPECT_TRUE(frame->ExecuteCommand(c.id));
        EXPECT_TRUE(c.bar->isVisible());
        EXPECT_TRUE(item->isChecked());
    }
}

// Count texts.

// Sets an environment variable until the end of the scope.
class ScopedVariable
{
public:
    ScopedVariable(const char* name, const char* value) : m_name(name)
    {
        if (const char* saved = std::getenv(name))
            m_saved = saved;
        setenv(name, value, 1);
    }
    ~ScopedVariable()
    {
        if (m_saved)
            setenv(m_name, m_saved->c_str(), 1);
        else
            unsetenv(m_name);
    }

private:
    const char* m_name;
    std::optional<std::string> m_saved;
};

TEST(CountText, GroupsDigitsAsTheLocaleSays)
{
    struct Case { const char* locale; const char* text; };
    const Case cases[] = {{"en_US.UTF-8", "1,234,567"}, {"de_DE.UTF-8", "1.234.567"}, {"C", "1234567"}};
    std::string missing;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale);
        std::locale locale;
        try {
            locale = std::locale(c.locale);
        } catch (const std::runtime_error&) {
            missing += std::string(" ") + c.locale;
            continue;
        }
        EXPECT_EQ(CountText(1234567, locale), c.text);
    }
    if (!missing.empty())
        GTEST_SKIP() << "locales not installed:" << missing;
}

TEST(CountText, UnusableUserLocaleFallsBackToClassic)
{
    ScopedVariable bogus("LC_ALL", "xx_NOWHERE.bogus");
    const std::locale locale = UserLocale();
    EXPECT_EQ(locale.name(), "C");
    EXPECT_EQ(CountText(1234567, locale), "1234567");
}

} // namespace
