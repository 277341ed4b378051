#include "app/Resource.h"
#include "lists/SampleListCtrl.h"
#include "recording/SummaryBuilder.h"
#include "tests/test_recordings.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QFontInfo>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <numeric>

namespace {

QString Blanks(int n) { return QString(n, QLatin1Char(' ')); }

// Flags I and B, cell A open-circuit, cell T bypassed, 8.85 degrees, stack 33.0.
RecordFields PlainFields()
{
    RecordFields f = At(10, 0, 0);
    f.flagI = true;
    f.flagB = true;
    f.ocMask = 0x00001;
    f.odcMask = 0x80000;
    f.tempValue = 100;
    f.tempReference = 512;
    f.stackRaw = 0;
    f.chargeRate = -12;
    return f;
}

// Three samples with cells A and B open-circuit: temperatures 25.00, 25.00, 8.85, stacks
// 33.0, 33.0, 0.0, charge rates -3, -4, -4, flag I on the last only.
std::vector<SamplePtr> RunOfThree()
{
    std::vector<SamplePtr> run;
    for (int i = 0; i < 3; ++i) {
        RecordFields f = At(10, 0, 1 + i);
        f.ocMask = 0x3;
        f.tempValue = i == 2 ? 100 : 512;
        f.tempReference = 512;
        f.stackRaw = i == 2 ? 1023 : 0;
        f.chargeRate = i == 0 ? -3 : -4;
        f.flagI = i == 2;
        run.push_back(MakeSample(f, 1 + i));
    }
    return run;
}

// A sample list attached to a form, as the session view holds it, over rows of samples.
class SampleList : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form.resize(1000, 500);
        list.Attach(&form, IDC_SAMPLE_LIST);
        list.setGeometry(0, 0, 1000, 500);
        tester = std::make_unique<QAbstractItemModelTester>(
            list.model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
        form.show();
    }

    // Row 0 plain, row 1 a summary of three, row 2 a summary of one sample.
    void ShowMixedRows()
    {
        rows.push_back(MakeSample(PlainFields(), 0));
        rows.push_back(BuildSummaries(RunOfThree()).at(0));
        RecordFields lone = At(10, 0, 4);
        rows.push_back(BuildSummaries({MakeSample(lone, 4)}).at(0));
        list.SetSamples(rows.begin(), rows.end());
    }

    QPoint CellCentre(int row, int column) const
    {
        return list.visualRect(list.model()->index(row, column)).center();
    }

    QWidget form;
    CSampleListCtrl list;
    std::unique_ptr<QAbstractItemModelTester> tester;
    std::vector<SamplePtr> rows;
};

TEST_F(SampleList, ColumnsHaveTheirTitlesAlignmentsAndTemplateWidths)
{
    struct Column
    {
        QString title;
        int format;
        int templateLength;   // characters of the template the width is measured from
        int width;
    };
    const Column columns[] = {
        {QStringLiteral("Index"), LVCFMT_LEFT, 0, 0},
        {QStringLiteral("Date/Time"), LVCFMT_CENTER, 22, list.m_dateTimeWidth},
        {QStringLiteral("F"), LVCFMT_CENTER, 4, list.m_flagsWidth},
        {QStringLiteral("OC"), LVCFMT_CENTER, 22, list.m_cellsWidth},
        {QStringLiteral("ODC"), LVCFMT_CENTER, 22, list.m_cellsWidth},
        {QStringLiteral("Temp "), LVCFMT_RIGHT, 7, list.m_tempWidth},
        {QStringLiteral("Stack "), LVCFMT_RIGHT, 8, list.m_stackWidth},
        {QStringLiteral("Charge "), LVCFMT_RIGHT, 9, list.m_chargeWidth},
    };
    ASSERT_EQ(list.GetColumnCount(), 8);
    // In a fixed-pitch font a template's width is its length in character cells.
    const double cell = QFontMetricsF(list.m_font).horizontalAdvance(QLatin1Char(' '));
    int total = 0;
    for (int c = 0; c < 8; ++c) {
        SCOPED_TRACE(c);
        EXPECT_EQ(list.GetColumnTitle(c), columns[c].title);
        EXPECT_EQ(list.GetColumnFormat(c), columns[c].format);
        EXPECT_NEAR(columns[c].width, columns[c].templateLength * cell, 1.0);
        total += columns[c].width;
    }
    EXPECT_EQ(list.m_totalWidth, total);
}

TEST_F(SampleList, FontIsFixedPitchAtTwelvePixels)
{
    const QFontInfo info(list.m_font);
    EXPECT_TRUE(info.fixedPitch()) << info.family().toStdString();
    EXPECT_EQ(info.pixelSize(), 12);
    EXPECT_EQ(list.font(), list.m_font);
}

TEST_F(SampleList, RowsShowTheEightCellTextsOfPlainAndSummarySamples)
{
    ShowMixedRows();
    const QStringList expected[] = {
        {QString(), QStringLiteral("2016-Mar-07 10:00:00"), QStringLiteral("IB"),
         QStringLiteral("A") + Blanks(19), Blanks(19) + QStringLiteral("T"),
         QStringLiteral(" 8.85"), QStringLiteral("33.0"), QStringLiteral("-12")},
        {QString(), QStringLiteral("2016-Mar-07 10:00:01"), QStringLiteral("I"),
         QStringLiteral("AB") + Blanks(18), Blanks(20),
         QStringLiteral("19.62"), QStringLiteral("22.0"), QStringLiteral("-3")},
    };
    ASSERT_EQ(list.GetItemCount(), 3);
    for (int row = 0; row < 2; ++row) {
        QStringList texts;
        for (int column = 0; column < 8; ++column)
            texts << list.GetItemText(row, column);
        EXPECT_EQ(texts, expected[row]) << "row " << row;
    }
}

TEST_F(SampleList, OnlyRowsOfSeveralSamplesAreTintedAndHaveATip)
{
    ShowMixedRows();
    struct Case
    {
        const char* row;
        qintptr count;
        bool tinted;
        std::string tip;
    };
    const Case cases[] = {
        {"plain", 1, false, ""},
        {"summary of three", 3, true, "Summarizes 3 samples"},
        {"summary of one", 1, false, ""},
    };
    for (int row = 0; row < 3; ++row) {
        const Case& c = cases[row];
        SCOPED_TRACE(c.row);
        EXPECT_EQ(list.GetItemData(row), c.count);
        for (int column = 1; column < 8; ++column) {
            const QVariant background = list.model()->index(row, column).data(Qt::BackgroundRole);
            if (c.tinted)
                EXPECT_EQ(background.value<QColor>(), QColor(180, 206, 204));
            else
                EXPECT_FALSE(background.isValid());
            EXPECT_EQ(list.GetToolTipText(row, column), c.tip);
        }
    }
    EXPECT_EQ(list.GetToolTipText(-1, 3), "");
}

TEST_F(SampleList, HoveringShowsTheSummaryTipOnlyOverASummaryRow)
{
    ShowMixedRows();
    const auto hover = [this](QPoint at) {
        QHelpEvent help(QEvent::ToolTip, at, list.viewport()->mapToGlobal(at));
        QApplication::sendEvent(list.viewport(), &help);
    };
    hover(CellCentre(0, 4));
    EXPECT_FALSE(QToolTip::isVisible());
    hover(CellCentre(1, 4));
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Summarizes 3 samples"));
    QToolTip::hideText();
}

TEST_F(SampleList, ToolOfACellIsRowTimesThousandPlusColumn)
{
    RecordFields f = At(10, 0, 0);
    for (int i = 0; i < 13; ++i)
        rows.push_back(MakeSample(f, i));
    list.SetSamples(rows.begin(), rows.end());
    EXPECT_EQ(list.OnToolHitTest(CellCentre(0, 1)), 1);
    EXPECT_EQ(list.OnToolHitTest(CellCentre(12, 3)), 12003);
    EXPECT_EQ(list.OnToolHitTest(CellCentre(5, 7)), 5007);
    const QPoint belowRows(CellCentre(12, 3).x(), list.rowViewportPosition(12) + 3 * list.rowHeight(12));
    ASSERT_LT(belowRows.y(), list.viewport()->height());
    EXPECT_EQ(list.OnToolHitTest(belowRows), -1);
}

TEST_F(SampleList, SpareWidthGoesInSixSharesToAllColumnsButTheFlags)
{
    struct Case
    {
        const char* name;
        int spare;           // client width minus the templates' total
        int share;           // what each growing column gets beyond its template
        bool horizontalScrollBar;
    };
    const Case cases[] = {
        {"exactly wide enough", 0, 0, false},
        {"one pixel narrow", -1, 0, true},
        {"eleven pixels more", 11, 1, false},
        {"much narrower", -300, 0, true},
    };
    // The list sizes its columns to its client width whenever that changes.
    const int frame = list.width() - list.viewport()->width();
    const auto resizeClient = [&](int width) {
        list.resize(width + frame, 300);
        ASSERT_EQ(list.viewport()->width(), width);
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        resizeClient(list.m_totalWidth + c.spare);
        EXPECT_EQ(list.IsHorizontalScrollBarShown(), c.horizontalScrollBar);
        EXPECT_EQ(list.GetColumnWidth(0), 0);
        EXPECT_EQ(list.GetColumnWidth(1), list.m_dateTimeWidth + c.share);
        EXPECT_EQ(list.GetColumnWidth(2), list.m_flagsWidth);
        EXPECT_EQ(list.GetColumnWidth(3), list.m_cellsWidth + c.share);
        EXPECT_EQ(list.GetColumnWidth(4), list.m_cellsWidth + c.share);
        EXPECT_EQ(list.GetColumnWidth(5), list.m_tempWidth + c.share);
        EXPECT_EQ(list.GetColumnWidth(6), list.m_stackWidth + c.share);
        EXPECT_EQ(list.GetColumnWidth(7), list.m_chargeWidth + c.share);
    }
    // Eleven spare pixels: six go to the columns, five stay empty at the right.
    resizeClient(list.m_totalWidth + 11);
    int used = 0;
    for (int c = 0; c < 8; ++c)
        used += list.GetColumnWidth(c);
    EXPECT_EQ(list.m_totalWidth + 11 - used, 5);
}

} // namespace
