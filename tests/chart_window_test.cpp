#include "tests/support/AppFixture.h"

#include "app/Resource.h"
#include "framework/WaitCursor.h"
#include "tests/test_recordings.h"
#include "windows/KoveloView.h"
#include "windows/SessionChartPane.h"
#include "windows/SessionDoc.h"
#include "windows/SessionFrame.h"
#include "windows/SessionView.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QProcess>
#include <QTest>
#include <QToolTip>

#include <algorithm>

namespace {

RecordFields At10(int seconds, std::uint32_t oc = 0)
{
    RecordFields f = At(10, seconds / 60, seconds % 60);
    f.ocMask = oc;
    f.chargeRate = seconds % 50;
    return f;
}

std::vector<SampleRecord> Records(const std::vector<RecordFields>& fields)
{
    std::vector<SampleRecord> records;
    for (const RecordFields& f : fields)
        records.push_back(BuildRecord(f));
    return records;
}

// Four samples from 10:00:00 whose OC masks go 1, 1, 2, 1: three runs when filtered.
std::vector<SampleRecord> FourSamples()
{
    return Records({At10(0, 1), At10(1, 1), At10(2, 2), At10(3, 1)});
}

// 300 samples from 10:00:00, one a second except for a gap of 4 s after 10:00:10.
std::vector<SampleRecord> LongSession()
{
    std::vector<RecordFields> fields;
    for (int second = 0; fields.size() < 300; ++second)
        if (second <= 10 || second >= 14)
            fields.push_back(At10(second, second < 100 ? 1 : 2));
    return Records(fields);
}

double Seconds(int second)
{
    return ChartSeconds(MakeSample(At10(second))->GetTime());
}

class ChartWindow : public AppFixture
{
protected:
    // Opens the recording's first session in a session window.
    void OpenSession(const std::vector<SampleRecord>& records)
    {
        recording = WriteRecording(QStringLiteral("session.kvd"), records);
        ASSERT_TRUE(Start({recording}));
        frame = Expand(0);
        ASSERT_NE(frame, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    }

    // The same with the chart shown.
    void OpenWithChart(const std::vector<SampleRecord>& records)
    {
        ASSERT_NO_FATAL_FAILURE(OpenSession(records));
        ASSERT_TRUE(frame->ExecuteCommand(ID_SESSION_CHART));
        Flush();
        ASSERT_NE(View().m_chartPane, nullptr);
    }

    CSessionView& View() const { return *dynamic_cast<CSessionView*>(frame->GetActiveView()); }
    CSessionDoc& Doc() const { return *View().GetDocument(); }
    CSampleListCtrl& List() const { return View().m_sampleList; }
    CSessionChart& Chart() const { return View().m_chartPane->m_chart; }
    QPoint PointAt(double time) const
    {
        return QPoint(static_cast<int>(std::lround(Chart().XOfTime(time))), Chart().height() / 2);
    }

    QString recording;
    CSessionFrame* frame = nullptr;
};

TEST_F(ChartWindow, ChartItemShowsAndHidesThePaneBelowTheListAtTheFittedWidth)
{
    ASSERT_NO_FATAL_FAILURE(OpenSession(FourSamples()));
    QAction* chart = frame->CommandAction(ID_SESSION_CHART);
    EXPECT_EQ(chart->statusTip(), QStringLiteral("Show the session as a chart"));
    EXPECT_FALSE(chart->isChecked());
    EXPECT_EQ(View().m_chartPane, nullptr);

    const int width = frame->width();
    for (bool shown : {true, false, true}) {
        SCOPED_TRACE(shown ? "shown" : "hidden");
        EXPECT_TRUE(frame->ExecuteCommand(ID_SESSION_CHART));
        Flush();
        ASSERT_NE(View().m_chartPane, nullptr);
        EXPECT_EQ(chart->isChecked(), shown);
        EXPECT_EQ(View().m_chartPane->isVisible(), shown);
        EXPECT_EQ(frame->width(), width);
    }
    CSessionChartPane& pane = *View().m_chartPane;
    EXPECT_EQ(frame->dockWidgetArea(&pane), Qt::BottomDockWidgetArea);
    EXPECT_FALSE(pane.features() & QDockWidget::DockWidgetClosable);
    EXPECT_GE(pane.geometry().top(), View().geometry().bottom());
    EXPECT_EQ(List().geometry(), View().rect());
    EXPECT_EQ(Chart().Data().RowCount(), 4);
    EXPECT_EQ(WaitCursor::Depth(), 0);
}

TEST_F(ChartWindow, ChartShowsTheCurrentListAndFollowsFilter)
{
    OpenWithChart(FourSamples());
    EXPECT_FALSE(Chart().Data().summaries);
    EXPECT_EQ(Chart().Data().pointTimes, (std::vector<double>{Seconds(0), Seconds(1), Seconds(2), Seconds(3)}));

    // Zoomed in, the time axis keeps its range over Filter, which spans the same time.
    Chart().SetVisibleRange({Seconds(0), Seconds(0) + MinimumSpan});
    const TimeRange zoomed = Chart().VisibleRange();
    ASSERT_TRUE(frame->ExecuteCommand(ID_SESSION_FILTER));
    EXPECT_TRUE(Chart().Data().summaries);
    EXPECT_EQ(Chart().Data().RowCount(), List().GetItemCount());
    // Summaries of seconds 0-1, 2 and 3, each held until the next one begins.
    EXPECT_EQ(Chart().Data().pointTimes,
              (std::vector<double>{Seconds(0), Seconds(2), Seconds(2), Seconds(3), Seconds(3), Seconds(3)}));
    EXPECT_EQ(Chart().VisibleRange(), zoomed);

    // Hidden, the chart catches up when it is shown again.
    ASSERT_TRUE(frame->ExecuteCommand(ID_SESSION_CHART));
    ASSERT_TRUE(frame->ExecuteCommand(ID_SESSION_FILTER));
    ASSERT_TRUE(frame->ExecuteCommand(ID_SESSION_CHART));
    EXPECT_FALSE(Chart().Data().summaries);
    EXPECT_EQ(Chart().Data().RowCount(), 4);
}

TEST_F(ChartWindow, CursorStandsAtTheSampleSelectedInTheList)
{
    OpenWithChart(FourSamples());
    EXPECT_EQ(Chart().CursorRow(), -1);
    List().SelectItem(2);
    EXPECT_EQ(Chart().CursorRow(), 2);
    List().SelectItem(-1);
    EXPECT_EQ(Chart().CursorRow(), -1);

    // Filter refills the list, which drops its selection, and the cursor with it.
    List().SelectItem(3);
    ASSERT_TRUE(frame->ExecuteCommand(ID_SESSION_FILTER));
    EXPECT_EQ(List().GetNextItem(-1, LVNI_SELECTED), -1);
    EXPECT_EQ(Chart().CursorRow(), -1);
    List().SelectItem(1);
    EXPECT_EQ(Chart().CursorRow(), 1);
}

TEST_F(ChartWindow, HoverShowsTheTimeAndValuesOfTheEntryAtOrBefore)
{
    OpenWithChart(FourSamples());
    Chart().SetVisibleRange({Seconds(0), Seconds(3)});
    // Sent to the chart itself: a move without buttons would go through the cursor otherwise.
    const auto hover = [this](double time) {
        const QPoint point = PointAt(time);
        QMouseEvent move(QEvent::MouseMove, point, Chart().mapToGlobal(point), Qt::NoButton, Qt::NoButton, {});
        QApplication::sendEvent(&Chart(), &move);
        return QToolTip::text();
    };
    EXPECT_EQ(hover(Seconds(2) + 0.5), QStringLiteral("2016-Mar-07 10:00:02\nTemperature 25.00 \u00B0C\nStack 33.0\n"
                                                       "Charge rate 2\nOC B\nODC -"));
    ASSERT_TRUE(frame->ExecuteCommand(ID_SESSION_FILTER));
    EXPECT_TRUE(hover(Seconds(1) + 0.5).startsWith(QStringLiteral("2016-Mar-07 10:00:00\nSummarizes 2 samples\n")));
}

TEST_F(ChartWindow, ClickSelectsAndShowsTheSampleAtOrBeforeTheTime)
{
    OpenWithChart(LongSession());
    ASSERT_EQ(List().GetItemCount(), 300);
    Chart().SetVisibleRange({Seconds(0), Seconds(60)});
    struct Case
    {
        const char* name;
        double time;
        int row;
    };
    const Case cases[] = {
        {"just after a sample", Seconds(5) + 0.2, 5},
        {"between two samples", Seconds(7) + 0.5, 7},
        {"in the gap after 10:00:10", Seconds(13) + 0.5, 10},
        {"just after the first sample after the gap", Seconds(14) + 0.2, 11},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTest::mouseClick(&Chart(), Qt::LeftButton, {}, PointAt(c.time));
        EXPECT_EQ(List().GetNextItem(-1, LVNI_SELECTED), c.row);
        EXPECT_EQ(Chart().CursorRow(), c.row);
    }

    // The last sample lies far below the list's first page: the list scrolls to it.
    Chart().ShowWholeSession();
    QTest::mouseClick(&Chart(), Qt::LeftButton, {}, PointAt(Chart().Data().last));
    EXPECT_EQ(List().GetNextItem(-1, LVNI_SELECTED), 299);
    const QRect row = List().visualRect(List().model()->index(299, 1));
    EXPECT_TRUE(List().viewport()->rect().intersects(row));
}

TEST_F(ChartWindow, WheelZoomsDragPansShiftDragZoomsToTheBandDoubleClickShowsAll)
{
    OpenWithChart(LongSession());
    const TimeRange whole = Chart().VisibleRange();
    EXPECT_EQ(whole, (TimeRange{Chart().Data().first, Chart().Data().last}));

    // One notch up at 10:01:00 shows 80 % of the range, keeping 10:01:00 under the mouse.
    const QPoint anchor = PointAt(Seconds(60));
    const double anchorTime = Chart().TimeAtX(anchor.x());
    QWheelEvent wheel(anchor, Chart().mapToGlobal(anchor), {}, QPoint(0, 120), Qt::NoButton, {}, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(&Chart(), &wheel);
    EXPECT_NEAR(Chart().VisibleRange().Span(), whole.Span() * 0.8, 1e-6);
    EXPECT_NEAR(Chart().TimeAtX(anchor.x()), anchorTime, 1e-6);

    // Dragging 100 pixels to the left moves the range later by 100 pixels' worth of time.
    const TimeRange before = Chart().VisibleRange();
    const double pixel = before.Span() / (Chart().XOfTime(before.to) - Chart().XOfTime(before.from));
    QTest::mousePress(&Chart(), Qt::LeftButton, {}, anchor);
    QTest::mouseMove(&Chart(), anchor - QPoint(50, 0));
    QTest::mouseMove(&Chart(), anchor - QPoint(100, 0));
    QTest::mouseRelease(&Chart(), Qt::LeftButton, {}, anchor - QPoint(100, 0));
    EXPECT_NEAR(Chart().VisibleRange().from, before.from + 100 * pixel, 1e-6);
    EXPECT_NEAR(Chart().VisibleRange().Span(), before.Span(), 1e-6);
    EXPECT_EQ(List().GetNextItem(-1, LVNI_SELECTED), -1) << "a drag is no click";

    // A band from 10:00:20 to 10:00:40 becomes the range.
    const QPoint start = PointAt(Seconds(20));
    const QPoint end = PointAt(Seconds(40));
    const double bandFrom = Chart().TimeAtX(start.x());
    const double bandTo = Chart().TimeAtX(end.x());
    QTest::mousePress(&Chart(), Qt::LeftButton, Qt::ShiftModifier, start);
    QTest::mouseMove(&Chart(), end);
    QTest::mouseRelease(&Chart(), Qt::LeftButton, Qt::ShiftModifier, end);
    EXPECT_NEAR(Chart().VisibleRange().from, bandFrom, 1e-6);
    EXPECT_NEAR(Chart().VisibleRange().to, bandTo, 1e-6);

    QTest::mouseDClick(&Chart(), Qt::LeftButton, {}, start);
    EXPECT_EQ(Chart().VisibleRange(), whole);
}

TEST_F(ChartWindow, SaveAsPngWritesTheChartThroughTheSaveDialog)
{
    OpenWithChart(FourSamples());
    const auto triggerSave = [this] {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10), Chart().mapToGlobal(QPoint(10, 10)));
        QApplication::sendEvent(&Chart(), &event);
        QMenu* menu = Chart().findChild<QMenu*>();
        ASSERT_NE(menu, nullptr);
        ASSERT_EQ(menu->actions().size(), 1);
        EXPECT_EQ(menu->actions().front()->text(), QStringLiteral("Save as PNG..."));
        menu->actions().front()->trigger();
        menu->close();
        Flush();
    };

    const QString path = Path(QStringLiteral("chart.png"));
    ui.fileAnswers.push_back(Path(QStringLiteral("chart")));
    triggerSave();
    ASSERT_EQ(ui.saveRequests.size(), 1u);
    EXPECT_EQ(ui.saveRequests.back().defaultName, QStringLiteral("2016-0307-1000.png"));
    EXPECT_EQ(ui.saveRequests.back().filters, (QStringList{QStringLiteral("PNG (*.png)"), QStringLiteral("All (*.*)")}));
    const QImage image(path);
    EXPECT_EQ(image.size(), Chart().size());
    EXPECT_TRUE(ui.messages.empty());

    // A folder that does not exist takes no file; the user is told.
    const QString nowhere = Path(QStringLiteral("missing/chart.png"));
    ui.fileAnswers.push_back(nowhere);
    triggerSave();
    EXPECT_EQ(ui.MessageTexts(), QStringList{QStringLiteral("Error opening ") + nowhere});
    EXPECT_FALSE(QFile::exists(nowhere));

    // Cancelling writes nothing.
    const QByteArray written = ReadFile(path);
    triggerSave();
    EXPECT_EQ(ReadFile(path), written);
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(WaitCursor::Depth(), 0);
}

class PlotCommand : public AppFixture
{
protected:
    // Runs kovelo-cli with the arguments; its exit code, standard error in errors.
    int Run(const QStringList& arguments)
    {
        QProcess cli;
        cli.start(QStringLiteral(KOVELO_CLI), arguments);
        EXPECT_TRUE(cli.waitForFinished(60000));
        errors = QString::fromUtf8(cli.readAllStandardError());
        return cli.exitCode();
    }

    QString errors;
};

TEST_F(PlotCommand, WritesAPngOfTheRequestedSize)
{
    const QString recording = WriteRecording(QStringLiteral("session.kvd"), LongSession());
    const QString out = Path(QStringLiteral("plot.png"));
    struct Case
    {
        QStringList options;
        QSize size;
    };
    const Case cases[] = {
        {{QStringLiteral("--size"), QStringLiteral("640x480")}, QSize(640, 480)},
        {{QStringLiteral("--filter"), QStringLiteral("--size"), QStringLiteral("300x2000")}, QSize(300, 2000)},
        {{}, QSize(1200, 800)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options.join(QLatin1Char(' ')).toStdString());
        QFile::remove(out);
        EXPECT_EQ(Run(QStringList{QStringLiteral("plot"), recording, QStringLiteral("1"), QStringLiteral("-o"), out}
                      + c.options),
                  0)
            << errors.toStdString();
        EXPECT_EQ(QImage(out).size(), c.size);
    }
}

TEST_F(PlotCommand, RefusesWrongArgumentsAndUnwritableTargets)
{
    const QString recording = WriteRecording(QStringLiteral("session.kvd"), FourSamples());
    const QString out = Path(QStringLiteral("plot.png"));
    struct Case
    {
        QStringList arguments;
        QString error;
    };
    const Case cases[] = {
        {{QStringLiteral("plot"), recording, QStringLiteral("1")}, QStringLiteral("plot needs -o OUT.png")},
        {{QStringLiteral("plot"), recording, QStringLiteral("1"), QStringLiteral("-o"), out, QStringLiteral("--size"),
          QStringLiteral("640")},
         QStringLiteral("--size takes WIDTHxHEIGHT")},
        {{QStringLiteral("plot"), recording, QStringLiteral("1"), QStringLiteral("-o"), out, QStringLiteral("--size"),
          QStringLiteral("20x20")},
         QStringLiteral("--size takes WIDTHxHEIGHT")},
        {{QStringLiteral("plot"), recording, QStringLiteral("1"), QStringLiteral("-o"), out, QStringLiteral("--size")},
         QStringLiteral("--size needs WIDTHxHEIGHT")},
        {{QStringLiteral("plot"), recording, QStringLiteral("2"), QStringLiteral("-o"), out}, QString()},
        {{QStringLiteral("plot"), recording, QStringLiteral("1"), QStringLiteral("-o"), Path(QStringLiteral("no/plot.png"))},
         QStringLiteral("Error opening ") + Path(QStringLiteral("no/plot.png"))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        EXPECT_EQ(Run(c.arguments), 2);
        EXPECT_TRUE(errors.contains(c.error)) << errors.toStdString();
        EXPECT_FALSE(QFile::exists(out));
    }
}

} // namespace
