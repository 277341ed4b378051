#include "tests/support/AppFixture.h"

#include "app/Resource.h"
#include "framework/WaitCursor.h"
#include "settings/ParameterStore.h"
#include "tests/test_recordings.h"
#include "windows/KoveloView.h"
#include "windows/MainFrame.h"
#include "windows/SessionDoc.h"
#include "windows/SessionFrame.h"
#include "windows/SessionView.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QToolBar>

#include <boost/make_shared.hpp>

#include <climits>
#include <functional>

namespace {

RecordFields WithMasks(RecordFields f, std::uint32_t oc, std::uint32_t odc)
{
    f.ocMask = oc;
    f.odcMask = odc;
    return f;
}

// Two sessions: four samples from 10:00:00 whose masks go (1,1), (1,1), (2,1), (1,1), and
// three samples from 11:00:00.
std::vector<SampleRecord> TwoSessions()
{
    const std::vector<RecordFields> fields = {
        WithMasks(At(10, 0, 0), 1, 1), WithMasks(At(10, 0, 1), 1, 1),
        WithMasks(At(10, 0, 2), 2, 1), WithMasks(At(10, 0, 3), 1, 1),
        At(11, 0, 0), At(11, 0, 1), At(11, 0, 2),
    };
    std::vector<SampleRecord> records;
    for (const RecordFields& f : fields)
        records.push_back(BuildRecord(f));
    return records;
}

const QString FirstCaption = QStringLiteral(" - 2016-Mar-07 10:00:00 - 2016-Mar-07 10:00:03");
const QString SecondCaption = QStringLiteral(" - 2016-Mar-07 11:00:00 - 2016-Mar-07 11:00:02");

class SessionWindow : public AppFixture
{
protected:
    void StartWithTwoSessions()
    {
        recording = WriteRecording(QStringLiteral("two.kvd"), TwoSessions());
        ASSERT_TRUE(Start({recording}));
        ASSERT_EQ(List().GetItemCount(), 2);
    }

    CSessionListCtrl& List() const { return MainView()->m_sessionList; }
    CMultiDocTemplate& SessionTemplate() const { return *MainView()->m_pSessionTemplate; }

    static CSessionView& ViewOf(CSessionFrame* frame) { return *dynamic_cast<CSessionView*>(frame->GetActiveView()); }
    static CSessionDoc& DocOf(CSessionFrame* frame) { return *ViewOf(frame).GetDocument(); }
    static CSampleListCtrl& SamplesOf(CSessionFrame* frame) { return ViewOf(frame).m_sampleList; }

    QString recording;
};

TEST_F(SessionWindow, ExpandOpensAWindowTitledWithTheSessionsTimesListingItsSamples)
{
    StartWithTwoSessions();
    CSessionFrame* frame = Expand(0);
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->parentWidget(), nullptr);
    EXPECT_EQ(frame->windowTitle(), FirstCaption);
    EXPECT_EQ(DocOf(frame).GetTitle(), QString());
    EXPECT_EQ(DocOf(frame).GetSession(), List().GetSelectedSession());
    ASSERT_EQ(SamplesOf(frame).GetItemCount(), 4);
    EXPECT_EQ(SamplesOf(frame).GetItemText(3, 1), QStringLiteral("2016-Mar-07 10:00:03"));
    EXPECT_EQ(SessionTemplate().GetDocuments(), std::vector<CDocument*>{&DocOf(frame)});
    EXPECT_EQ(WaitCursor::Depth(), 0);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SessionWindow, MenuBarHoldsExportFilterAndChartAndTheStatusBarOnePane)
{
    StartWithTwoSessions();
    CSessionFrame* frame = Expand(1);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->windowTitle(), SecondCaption);
    QStringList items;
    for (QAction* action : frame->m_menuBar.actions()) {
        items << action->text();
        EXPECT_EQ(action->menu(), nullptr) << action->text().toStdString();
    }
    EXPECT_EQ(items, (QStringList{QStringLiteral("Export"), QStringLiteral("Filter"), QStringLiteral("Chart")}));
    EXPECT_EQ(frame->m_statusBar.PaneCount(), 1);
    EXPECT_EQ(frame->findChildren<QToolBar*>().size(), 0);
}

TEST_F(SessionWindow, OpensFittedToTheListAtTheStoredPlaceAndStoresItsPlacement)
{
    StartWithTwoSessions();
    ParameterStore::SetInt("SessionWinX", 30);
    ParameterStore::SetInt("SessionWinY", 40);
    ParameterStore::SetInt("SessionWinCX", 2000);
    ParameterStore::SetInt("SessionWinCY", 333);
    CSessionFrame* frame = Expand(0);
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));

    const CSampleListCtrl& list = SamplesOf(frame);
    const int scrollBar = frame->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    EXPECT_EQ(frame->GetClientRect().width(), list.m_totalWidth + scrollBar + 8);
    const QRect window = frame->GetWindowRect();
    EXPECT_EQ(window.topLeft(), QPoint(30, 40));
    EXPECT_EQ(window.height(), 333);

    EXPECT_EQ(ParameterStore::GetInt("SessionWinX", INT_MIN), window.left());
    EXPECT_EQ(ParameterStore::GetInt("SessionWinY", INT_MIN), window.top());
    EXPECT_EQ(ParameterStore::GetInt("SessionWinCX", INT_MIN), window.width());
    EXPECT_EQ(ParameterStore::GetInt("SessionWinCY", INT_MIN), window.height());

    // The list covers the view and needs no horizontal scroll bar.
    EXPECT_EQ(list.geometry(), ViewOf(frame).rect());
    EXPECT_FALSE(list.IsHorizontalScrollBarShown());
    EXPECT_FALSE(list.horizontalScrollBar()->isVisible());
}

TEST_F(SessionWindow, FilterRefillsTheListAndTogglesTheCheckMark)
{
    StartWithTwoSessions();
    CSessionFrame* frame = Expand(0);
    ASSERT_NE(frame, nullptr);
    const QSize size = frame->size();
    QAction* filter = frame->CommandAction(ID_SESSION_FILTER);
    EXPECT_FALSE(filter->isChecked());

    struct Step
    {
        std::vector<qintptr> counts;
        bool checked;
    };
    const Step steps[] = {{{2, 1, 1}, true}, {{1, 1, 1, 1}, false}, {{2, 1, 1}, true}};
    for (const Step& step : steps) {
        EXPECT_TRUE(frame->ExecuteCommand(ID_SESSION_FILTER));
        std::vector<qintptr> counts;
        for (int row = 0; row < SamplesOf(frame).GetItemCount(); ++row)
            counts.push_back(SamplesOf(frame).GetItemData(row));
        EXPECT_EQ(counts, step.counts);
        EXPECT_EQ(filter->isChecked(), step.checked);
        EXPECT_EQ(DocOf(frame).IsFiltered(), step.checked);
        EXPECT_EQ(frame->size(), size);
        EXPECT_EQ(frame->windowTitle(), FirstCaption);
    }
}

TEST_F(SessionWindow, TwoWindowsOnOneSessionFilterIndependently)
{
    StartWithTwoSessions();
    CSessionFrame* first = Expand(0);
    CSessionFrame* second = Expand(0);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    ASSERT_NE(first, second);
    EXPECT_NE(&DocOf(first), &DocOf(second));
    EXPECT_EQ(DocOf(first).GetSession(), DocOf(second).GetSession());
    EXPECT_NE(DocOf(first).m_samples.front(), DocOf(second).m_samples.front());

    first->ExecuteCommand(ID_SESSION_FILTER);
    EXPECT_EQ(SamplesOf(first).GetItemCount(), 3);
    EXPECT_EQ(SamplesOf(second).GetItemCount(), 4);
    EXPECT_TRUE(first->CommandAction(ID_SESSION_FILTER)->isChecked());
    EXPECT_FALSE(second->CommandAction(ID_SESSION_FILTER)->isChecked());

    // Closing one leaves the other working.
    QPointer<CSessionFrame> closed = first;
    first->close();
    Flush();
    EXPECT_TRUE(closed.isNull());
    EXPECT_EQ(SessionTemplate().GetDocuments().size(), 1u);
    second->ExecuteCommand(ID_SESSION_FILTER);
    EXPECT_EQ(SamplesOf(second).GetItemCount(), 3);
}

TEST_F(SessionWindow, ExpandCommandNeedsASelectedRow)
{
    StartWithTwoSessions();
    List().SelectItem(-1);
    EXPECT_FALSE(MainFrame()->QueryCommand(ID_SESSIONS_EXPAND).IsEnabled());
    EXPECT_FALSE(MainFrame()->ExecuteCommand(ID_SESSIONS_EXPAND));
    EXPECT_TRUE(SessionFrames().empty());

    List().SelectItem(1);
    EXPECT_TRUE(MainFrame()->ExecuteCommand(ID_SESSIONS_EXPAND));
    Flush();
    ASSERT_EQ(SessionFrames().size(), 1u);
    EXPECT_EQ(SessionFrames().front()->windowTitle(), SecondCaption);
}

TEST_F(SessionWindow, DoubleClickOnARowSelectsItAndOpensItsSession)
{
    StartWithTwoSessions();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(MainFrame()));
    const QRect row = List().visualRect(List().model()->index(1, 1));
    QTest::mouseDClick(List().viewport(), Qt::LeftButton, {}, row.center());
    Flush();
    EXPECT_EQ(List().GetNextItem(-1, LVNI_SELECTED), 1);
    ASSERT_EQ(SessionFrames().size(), 1u);
    EXPECT_EQ(SessionFrames().front()->windowTitle(), SecondCaption);
}

TEST_F(SessionWindow, DoubleClickBelowTheRowsClearsTheSelectionAndOpensNothing)
{
    StartWithTwoSessions();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(MainFrame()));
    List().SelectItem(0);
    const QRect last = List().visualRect(List().model()->index(1, 1));
    const QPoint below(last.center().x(), last.bottom() + 2 * last.height());
    ASSERT_LT(below.y(), List().viewport()->height());
    QTest::mouseDClick(List().viewport(), Qt::LeftButton, {}, below);
    Flush();
    EXPECT_EQ(List().GetNextItem(-1, LVNI_SELECTED), -1);
    EXPECT_TRUE(SessionFrames().empty());
    EXPECT_TRUE(SessionTemplate().GetDocuments().empty());
}

TEST_F(SessionWindow, ClosingTheMainWindowClosesEverySessionWindow)
{
    StartWithTwoSessions();
    ASSERT_NE(Expand(0), nullptr);
    ASSERT_NE(Expand(1), nullptr);
    ASSERT_NE(Expand(0), nullptr);
    CMultiDocTemplate& sessions = SessionTemplate();
    ASSERT_EQ(sessions.GetDocuments().size(), 3u);
    MainFrame()->close();
    Flush();
    EXPECT_TRUE(SessionFrames().empty());
    EXPECT_TRUE(sessions.GetDocuments().empty());
}

TEST_F(SessionWindow, FindSessionDocumentMatchesOnlyTheVerySessionObject)
{
    StartWithTwoSessions();
    CSessionFrame* frame = Expand(0);
    ASSERT_NE(frame, nullptr);
    const SessionPtr shown = DocOf(frame).GetSession();
    EXPECT_EQ(MainView()->FindSessionDocument(shown), &DocOf(frame));
    EXPECT_EQ(MainView()->FindSessionDocument(boost::make_shared<CSession>(*shown)), nullptr);
    List().SelectItem(1);
    EXPECT_EQ(MainView()->FindSessionDocument(List().GetSelectedSession()), nullptr);

    // The same records opened again give new session objects with the same values.
    const QString again = WriteRecording(QStringLiteral("again.kvd"), TwoSessions());
    ASSERT_NE(app->OpenDocumentFile(again), nullptr);
    List().SelectItem(0);
    const SessionPtr reopened = List().GetSelectedSession();
    ASSERT_TRUE(reopened);
    EXPECT_EQ(reopened->StartTime, shown->StartTime);
    EXPECT_EQ(reopened->SampleCount, shown->SampleCount);
    EXPECT_EQ(MainView()->FindSessionDocument(reopened), nullptr);
    EXPECT_EQ(MainView()->FindSessionDocument(shown), &DocOf(frame));
    // The open window keeps its samples.
    EXPECT_EQ(SamplesOf(frame).GetItemCount(), 4);
    EXPECT_EQ(frame->windowTitle(), FirstCaption);
}

TEST_F(SessionWindow, SessionTruncatedOnDiskOpensNoWindowAndTellsTheUser)
{
    StartWithTwoSessions();
    ASSERT_TRUE(QFile::resize(recording, 3 * 20 + 7));
    EXPECT_EQ(Expand(0), nullptr);
    EXPECT_TRUE(SessionFrames().empty());
    EXPECT_EQ(ui.MessageTexts(), QStringList{QStringLiteral("Error reading ") + recording});
    EXPECT_TRUE(SessionTemplate().GetDocuments().empty());
    EXPECT_EQ(WaitCursor::Depth(), 0);
}

// A session frame whose bars cannot be made.
class FailingFrame : public CSessionFrame
{
public:
    int OnCreate() override { return -1; }
};

TEST_F(SessionWindow, WithoutAFrameTheNewDocumentIsDestroyed)
{
    struct Case
    {
        const char* name;
        CDocTemplate::FrameFactory factory;
    };
    const Case cases[] = {
        {"no frame made", [] { return static_cast<CFrameWndEx*>(nullptr); }},
        {"frame creation fails", [] { return new FailingFrame; }},
    };
    StartWithTwoSessions();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SessionTemplate().m_frameFactory = c.factory;
        EXPECT_EQ(Expand(0), nullptr);
        EXPECT_TRUE(SessionFrames().empty());
        EXPECT_TRUE(SessionTemplate().GetDocuments().empty());
        EXPECT_EQ(WaitCursor::Depth(), 0);
    }
}

} // namespace
