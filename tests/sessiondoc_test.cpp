#include "app/Resource.h"
#include "framework/CmdTarget.h"
#include "framework/WaitCursor.h"
#include "recording/SummarySample.h"
#include "tests/support/ScriptedInteraction.h"
#include "tests/test_recordings.h"
#include "windows/SessionDoc.h"

#include <QApplication>

#include <boost/make_shared.hpp>

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct Masks
{
    std::uint32_t oc;
    std::uint32_t odc;
};

// A session document filled from a recording held in memory.
class SessionDocument : public ::testing::Test
{
protected:
    // Records one second apart with the given masks.
    static std::vector<RecordFields> WithMasks(const std::vector<Masks>& masks)
    {
        std::vector<RecordFields> fields;
        for (std::size_t i = 0; i < masks.size(); ++i) {
            RecordFields f = At(10, 0, static_cast<int>(i));
            f.ocMask = masks[i].oc;
            f.odcMask = masks[i].odc;
            fields.push_back(f);
        }
        return fields;
    }

    // Attaches the recording and fills the document with records first..last of it.
    bool Load(const std::vector<RecordFields>& fields, int first = 0, int last = -1)
    {
        if (last < 0)
            last = static_cast<int>(fields.size()) - 1;
        stream.str(RecordingBytes(fields));
        file.Attach(stream);
        file.Path = "session.kvd";
        session = boost::make_shared<CSession>(MakeSample(fields[first], first), MakeSample(fields[last], last));
        return doc.SetSession(&file, session);
    }

    std::vector<SamplePtr> CurrentList() const { return {doc.SamplesBegin(), doc.SamplesEnd()}; }

    static std::vector<int> Counts(const std::vector<SamplePtr>& list)
    {
        std::vector<int> counts;
        for (const SamplePtr& sample : list)
            counts.push_back(sample->GetCount());
        return counts;
    }

    // The samples of the summaries' runs, one run after the other.
    static std::vector<SamplePtr> RunSamples(const std::vector<SamplePtr>& summaries)
    {
        std::vector<SamplePtr> samples;
        for (const SamplePtr& summary : summaries) {
            const auto& run = dynamic_cast<const CSummarySample&>(*summary).Samples;
            samples.insert(samples.end(), run.begin(), run.end());
        }
        return samples;
    }

    ScriptedInteraction ui;
    std::istringstream stream;
    CFileMgr file;
    SessionPtr session;
    CSessionDoc doc;
};

TEST_F(SessionDocument, SetSessionReadsTheSessionsRecordsInFileOrder)
{
    std::vector<RecordFields> fields;
    for (int i = 0; i < 6; ++i)
        fields.push_back(At(10, 0, i));
    ASSERT_TRUE(Load(fields, 2, 4));
    ASSERT_EQ(doc.m_samples.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(doc.m_samples[i]->GetIndex(), 2 + i);
        EXPECT_EQ(doc.m_samples[i]->GetTime(), MakeSample(fields[2 + i])->GetTime());
    }
    EXPECT_EQ(doc.GetSession(), session);
    EXPECT_EQ(doc.m_pFileMgr, &file);
    EXPECT_FALSE(doc.m_filtered);
    EXPECT_TRUE(doc.m_summaries.empty());
    EXPECT_EQ(CurrentList(), doc.m_samples);
    EXPECT_EQ(WaitCursor::Depth(), 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SessionDocument, SessionThatCannotBeReadWholeLeavesNoSamplesAndTellsTheUser)
{
    std::vector<RecordFields> fields = {At(10, 0, 0), At(10, 0, 1), At(10, 0, 2)};
    stream.str(RecordingBytes(fields).substr(0, 50));
    file.Attach(stream);
    file.Path = "short.kvd";
    session = boost::make_shared<CSession>(MakeSample(fields[0], 0), MakeSample(fields[2], 2));
    EXPECT_FALSE(doc.SetSession(&file, session));
    EXPECT_TRUE(doc.m_samples.empty());
    EXPECT_EQ(ui.MessageTexts(), QStringList{QStringLiteral("Error reading short.kvd")});
    EXPECT_EQ(WaitCursor::Depth(), 0);
}

TEST_F(SessionDocument, FilterMakesOneSummaryPerRunOfUnchangedMasks)
{
    struct Case
    {
        const char* name;
        std::vector<Masks> masks;
        std::vector<int> counts;
    };
    const Case cases[] = {
        {"a change and back", {{1, 1}, {1, 1}, {2, 1}, {1, 1}}, {2, 1, 1}},
        {"all alike", {{5, 9}, {5, 9}, {5, 9}, {5, 9}, {5, 9}}, {5}},
        {"each unlike its predecessor", {{1, 0}, {2, 0}, {1, 0}, {2, 0}}, {1, 1, 1, 1}},
        {"a change of the ODC mask alone", {{3, 1}, {3, 1}, {3, 2}, {3, 2}}, {2, 2}},
        {"bits above the twenty cells", {{0x1, 0}, {0x100001, 0}, {0x100001, 0}}, {1, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CSessionDoc document;
        const std::vector<RecordFields> fields = WithMasks(c.masks);
        std::istringstream in(RecordingBytes(fields));
        CFileMgr recording;
        recording.Attach(in);
        ASSERT_TRUE(document.SetSession(
            &recording, boost::make_shared<CSession>(MakeSample(fields.front(), 0),
                                                     MakeSample(fields.back(), static_cast<int>(fields.size()) - 1))));
        document.OnFilter();
        EXPECT_TRUE(document.m_filtered);
        EXPECT_EQ(Counts(document.m_summaries), c.counts);
        EXPECT_EQ(RunSamples(document.m_summaries), document.m_samples);
        EXPECT_EQ(WaitCursor::Depth(), 0);
    }
}

TEST_F(SessionDocument, SummariesOfTheExampleStartAtTheirRunsFirstSample)
{
    ASSERT_TRUE(Load(WithMasks({{1, 1}, {1, 1}, {2, 1}, {1, 1}})));
    doc.OnFilter();
    ASSERT_EQ(CurrentList().size(), 3u);
    const int firstIndexes[] = {0, 2, 3};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(CurrentList()[i]->GetIndex(), firstIndexes[i]);
        EXPECT_EQ(CurrentList()[i]->GetTime(), doc.m_samples[firstIndexes[i]]->GetTime());
    }
    EXPECT_EQ(CurrentList()[1]->GetOCMask(), 2u);
}

TEST_F(SessionDocument, FilterOnOffOnGivesTheSameRunsInNewSummaries)
{
    ASSERT_TRUE(Load(WithMasks({{1, 1}, {1, 1}, {2, 1}, {1, 1}})));
    const std::vector<SamplePtr> raw = doc.m_samples;

    doc.OnFilter();
    const std::vector<SamplePtr> first = doc.m_summaries;
    EXPECT_EQ(CurrentList(), first);

    doc.OnFilter();
    EXPECT_FALSE(doc.m_filtered);
    EXPECT_TRUE(doc.m_summaries.empty());
    EXPECT_EQ(CurrentList(), raw);
    EXPECT_EQ(doc.m_samples, raw);

    doc.OnFilter();
    const std::vector<SamplePtr> second = doc.m_summaries;
    ASSERT_EQ(second.size(), first.size());
    EXPECT_EQ(Counts(second), Counts(first));
    EXPECT_EQ(RunSamples(second), RunSamples(first));
    for (std::size_t i = 0; i < first.size(); ++i)
        EXPECT_NE(second[i], first[i]) << "summary " << i << " was reused";
}

TEST_F(SessionDocument, FilterIsAlwaysEnabledAndCheckedWhileSummariesShow)
{
    ASSERT_TRUE(Load(WithMasks({{1, 1}, {2, 1}})));
    for (const bool filtered : {false, true, false}) {
        CCmdUI ui(ID_SESSION_FILTER);
        EXPECT_TRUE(doc.OnUpdateCmdMsg(ui));
        EXPECT_TRUE(ui.IsEnabled());
        EXPECT_EQ(ui.IsChecked(), filtered);
        EXPECT_TRUE(doc.OnCmdMsg(ID_SESSION_FILTER));
    }
}

} // namespace
