#include "tests/support/AppFixture.h"

#include "app/Resource.h"
#include "export/SessionFiles.h"
#include "framework/WaitCursor.h"
#include "recording/SampleIo.h"
#include "recording/SummaryBuilder.h"
#include "tests/support/FileChecks.h"
#include "tests/test_recordings.h"
#include "windows/KoveloView.h"
#include "windows/MainFrame.h"
#include "windows/SessionDoc.h"
#include "windows/SessionFrame.h"
#include "windows/SessionView.h"

#include <QApplication>

#include <sys/wait.h>

#include <cstdlib>
#include <functional>
#include <optional>
#include <sstream>

// Readable QString values in failure messages.
void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

RecordFields WithReadings(RecordFields f, std::uint32_t oc, std::uint32_t odc, int chargeRate)
{
    f.ocMask = oc;
    f.odcMask = odc;
    f.chargeRate = chargeRate;
    f.tempValue = 500 + chargeRate;
    f.tempReference = 512;
    f.stackRaw = 100 + chargeRate;
    f.flagI = chargeRate % 2 != 0;
    f.flagB = chargeRate % 3 == 0;
    f.spareWord3 = 0x80000000u | static_cast<std::uint32_t>(chargeRate) << 10;
    f.spareWord4 = 0xFC000000u;
    return f;
}

// Three sessions: records 0-2 from 08:00:00; records 3-6 from 09:30:05, whose masks go
// (1,1), (1,1), (2,1), (1,1); records 7-8 from 11:00:00. The charge rate tells records apart.
std::vector<RecordFields> ThreeSessions(int chargeBase = 0)
{
    return {
        WithReadings(At(8, 0, 0), 4, 0, chargeBase + 1),   WithReadings(At(8, 0, 1), 4, 0, chargeBase + 2),
        WithReadings(At(8, 0, 2), 4, 0, chargeBase + 3),   WithReadings(At(9, 30, 5), 1, 1, chargeBase + 4),
        WithReadings(At(9, 30, 6), 1, 1, chargeBase + 5),  WithReadings(At(9, 30, 7), 2, 1, chargeBase + 6),
        WithReadings(At(9, 30, 8), 1, 1, chargeBase + 7),  WithReadings(At(11, 0, 0), 0, 8, chargeBase + 8),
        WithReadings(At(11, 0, 1), 0, 8, chargeBase + 9),
    };
}

// The row of the session that most tests work on, and its records.
constexpr int MiddleRow = 1;
constexpr int MiddleFirst = 3;
constexpr int MiddleCount = 4;

std::vector<SamplePtr> SamplesOf(const std::vector<RecordFields>& fields, int first, int count)
{
    std::vector<SamplePtr> samples;
    for (int i = first; i < first + count; ++i)
        samples.push_back(MakeSample(fields[i], i));
    return samples;
}

std::string CsvOf(const std::vector<SamplePtr>& samples)
{
    std::string out;
    StreamCsv(samples.begin(), samples.end(), [&](std::string_view bytes) {
        out.append(bytes);
        return true;
    });
    return out;
}

std::string RecordsOf(const std::vector<SamplePtr>& samples)
{
    std::ostringstream out;
    for (const SamplePtr& sample : samples)
        WriteSample(out, *sample);
    return out.str();
}

std::string Bytes(const QString& path)
{
    return FileBytes(path.toStdString());
}

using Answers = std::vector<std::optional<QString>>;

QString Quoted(const QString& text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

class ExportWindowTest : public AppFixture
{
protected:
    void StartWith(const std::vector<RecordFields>& fields)
    {
        recordingFields = fields;
        recording = WriteFile(QStringLiteral("pack.kvd"), QByteArray::fromStdString(RecordingBytes(fields)));
        ASSERT_TRUE(Start({recording}));
        ASSERT_TRUE(ui.messages.empty());
    }

    void OpenThroughDialog(const QString& path)
    {
        ui.fileAnswers.push_back(path);
        MainFrame()->ExecuteCommand(ID_FILE_OPEN);
        Flush();
    }

    CSessionListCtrl& List() const { return MainView()->m_sessionList; }
    CMultiDocTemplate& SessionTemplate() const { return *MainView()->m_pSessionTemplate; }

    static CSessionView& ViewOf(CSessionFrame* frame) { return *dynamic_cast<CSessionView*>(frame->GetActiveView()); }
    static CSessionDoc& DocOf(CSessionFrame* frame) { return *ViewOf(frame).GetDocument(); }

    // Export from the window, the save dialogs answered in turn; none cancels.
    void Export(CSessionFrame* frame, const Answers& answers)
    {
        ui.fileAnswers.insert(ui.fileAnswers.end(), answers.begin(), answers.end());
        ViewOf(frame).OnExport();
        Flush();
    }

    // Extract Session Data of the row, the save dialogs answered in turn.
    void Extract(int row, const Answers& answers)
    {
        List().SelectItem(row);
        ui.fileAnswers.insert(ui.fileAnswers.end(), answers.begin(), answers.end());
        MainView()->OnExtractSessionData();
        Flush();
    }

    std::vector<SamplePtr> Middle() const { return SamplesOf(recordingFields, MiddleFirst, MiddleCount); }

    // Runs kovelo-cli with the arguments; its exit status, standard error in err.
    int RunCli(const QStringList& arguments, std::string* err = nullptr) const
    {
        QString command = Quoted(QStringLiteral(KOVELO_CLI));
        for (const QString& argument : arguments)
            command += QLatin1Char(' ') + Quoted(argument);
        command += QStringLiteral(" 2>") + Quoted(Path(QStringLiteral("cli.err")));
        const int raw = std::system(command.toLocal8Bit().constData());
        if (err)
            *err = Bytes(Path(QStringLiteral("cli.err")));
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }

    bool NoDocumentOrWindowLeft() const { return SessionTemplate().GetDocuments().empty() && SessionFrames().empty(); }

    std::vector<RecordFields> recordingFields;
    QString recording;
};

// One of the two commands, run on the session of MiddleRow.
struct FileCommand
{
    const char* name;
    QString extension;
    std::function<void(const Answers& answers)> run;
    std::string expected;
};

class BothCommands : public ExportWindowTest
{
protected:
    std::vector<FileCommand> Commands()
    {
        return {
            {"export", QStringLiteral("csv"),
             [this](const Answers& answers) {
                 if (!exportFrame)
                     exportFrame = Expand(MiddleRow);
                 ASSERT_NE(exportFrame, nullptr);
                 Export(exportFrame, answers);
             },
             CsvOf(Middle())},
            {"extract", QStringLiteral("kvd"), [this](const Answers& answers) { Extract(MiddleRow, answers); },
             RecordsOf(Middle())},
        };
    }

    void ForgetDialogs()
    {
        ui.messages.clear();
        ui.saveRequests.clear();
        ui.overwriteQuestions.clear();
        ui.fileAnswers.clear();
        ui.overwriteAnswers.clear();
    }

    CSessionFrame* exportFrame = nullptr;
};

} // namespace

// Export.

using SessionExport = ExportWindowTest;

TEST_F(SessionExport, WritesWhatTheWindowListsRawOrFiltered)
{
    StartWith(ThreeSessions());
    CSessionFrame* frame = Expand(MiddleRow);
    ASSERT_NE(frame, nullptr);
    const struct {
        const char* name;
        bool filter;
        std::vector<SamplePtr> listed;
    } cases[] = {
        {"raw", false, Middle()},
        {"filtered", true, BuildSummaries(Middle())},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (DocOf(frame).IsFiltered() != c.filter)
            DocOf(frame).OnFilter();
        ui.saveRequests.clear();
        const QString path = Path(QString::fromLatin1(c.name) + QStringLiteral(".csv"));
        Export(frame, {path});

        ASSERT_EQ(ui.saveRequests.size(), 1u);
        EXPECT_EQ(ui.saveRequests[0].defaultName, QStringLiteral("2016-0307-0930.csv"));
        EXPECT_EQ(ui.saveRequests[0].defaultExtension, QStringLiteral("csv"));
        EXPECT_EQ(ui.saveRequests[0].filters, (QStringList{QStringLiteral("CSV (*.csv)"), QStringLiteral("All (*.*)")}));
        const std::string text = Bytes(path);
        EXPECT_EQ(text, CsvOf(c.listed));
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), static_cast<long>(c.listed.size()) + 1);
        EXPECT_EQ(DocOf(frame).IsFiltered(), c.filter);
        EXPECT_EQ(DocOf(frame).m_samples.size(), static_cast<std::size_t>(MiddleCount));
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_TRUE(ui.overwriteQuestions.empty());
        EXPECT_EQ(WaitCursor::Depth(), 0);
    }
    EXPECT_EQ(BuildSummaries(Middle()).size(), 3u);
}

TEST_F(SessionExport, NameWithoutExtensionGetsCsv)
{
    StartWith(ThreeSessions());
    CSessionFrame* frame = Expand(MiddleRow);
    ASSERT_NE(frame, nullptr);
    Export(frame, {Path(QStringLiteral("plain"))});
    EXPECT_EQ(Bytes(Path(QStringLiteral("plain.csv"))), CsvOf(Middle()));
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("plain"))));
}

TEST_F(SessionExport, SessionStartingWithAnUndecodableTime)
{
    std::vector<RecordFields> fields = {At(10, 0, 0), At(10, 0, 0), At(10, 0, 1)};
    fields[0].month = 0;
    StartWith(fields);
    ASSERT_EQ(List().GetItemCount(), 1);
    CSessionFrame* frame = Expand(0);
    ASSERT_NE(frame, nullptr);
    const QString csv = Path(QStringLiteral("odd.csv"));
    Export(frame, {csv});
    Extract(0, {Path(QStringLiteral("odd.kvd"))});

    ASSERT_EQ(ui.saveRequests.size(), 2u);
    EXPECT_EQ(ui.saveRequests[0].defaultName, QStringLiteral("session.csv"));
    EXPECT_EQ(ui.saveRequests[1].defaultName, QStringLiteral("Extract session.kvd"));
    const std::string text = Bytes(csv);
    const std::size_t firstLine = text.find('\n') + 1;
    EXPECT_EQ(text.substr(firstLine, 16), "not-a-date-time,");
    EXPECT_EQ(Bytes(Path(QStringLiteral("odd.kvd"))), RecordingBytes(fields));
    EXPECT_TRUE(ui.messages.empty());
}

// Extract Session Data.

using SessionExtraction = ExportWindowTest;

TEST_F(SessionExtraction, WritesTheSessionsByteRangeThatReopensAsThatSessionAlone)
{
    StartWith(ThreeSessions());
    const QStringList rowTexts = {List().GetItemText(MiddleRow, 1), List().GetItemText(MiddleRow, 2),
                                  List().GetItemText(MiddleRow, 3)};
    List().SelectItem(MiddleRow);
    const SessionPtr session = List().GetSelectedSession();
    const QString path = Path(QStringLiteral("middle.kvd"));
    Extract(MiddleRow, {path});

    ASSERT_EQ(ui.saveRequests.size(), 1u);
    EXPECT_EQ(ui.saveRequests[0].defaultName, QStringLiteral("Extract 2016-0307-0930.kvd"));
    EXPECT_EQ(ui.saveRequests[0].defaultExtension, QStringLiteral("kvd"));
    EXPECT_EQ(ui.saveRequests[0].filters, (QStringList{QStringLiteral("KVD (*.kvd)"), QStringLiteral("All (*.*)")}));
    EXPECT_EQ(Bytes(path), Bytes(recording).substr(20 * MiddleFirst, 20 * MiddleCount));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(NoDocumentOrWindowLeft());
    EXPECT_EQ(WaitCursor::Depth(), 0);
    EXPECT_EQ(List().GetSelectedSession(), session);

    OpenThroughDialog(path);
    EXPECT_TRUE(ui.messages.empty());
    ASSERT_EQ(List().GetItemCount(), 1);
    EXPECT_EQ((QStringList{List().GetItemText(0, 1), List().GetItemText(0, 2), List().GetItemText(0, 3)}), rowTexts);
    List().SelectItem(0);
    const SessionPtr reopened = List().GetSelectedSession();
    ASSERT_TRUE(reopened);
    EXPECT_EQ(reopened->StartTime, session->StartTime);
    EXPECT_EQ(reopened->EndTime, session->EndTime);
    EXPECT_EQ(reopened->SampleCount, session->SampleCount);
    EXPECT_EQ(reopened->StartIndex, 0);
    EXPECT_EQ(reopened->EndIndex, MiddleCount - 1);
}

TEST_F(SessionExtraction, SameBytesWithOrWithoutAWindowOfTheSession)
{
    StartWith(ThreeSessions());
    const std::string expected = Bytes(recording).substr(20 * MiddleFirst, 20 * MiddleCount);
    const QString path = Path(QStringLiteral("x.kvd"));

    Extract(MiddleRow, {path});
    EXPECT_EQ(Bytes(path), expected) << "no window";
    EXPECT_TRUE(NoDocumentOrWindowLeft());

    CSessionFrame* frame = Expand(MiddleRow);
    ASSERT_NE(frame, nullptr);
    CSessionDoc* document = &DocOf(frame);
    for (const bool filtered : {false, true}) {
        if (document->IsFiltered() != filtered)
            document->OnFilter();
        QFile::remove(path);
        Extract(MiddleRow, {path});
        EXPECT_EQ(Bytes(path), expected) << "filtered " << filtered;
        EXPECT_EQ(SessionTemplate().GetDocuments(), std::vector<CDocument*>{document});
        EXPECT_EQ(SessionFrames(), std::vector<CSessionFrame*>{frame});
        EXPECT_EQ(document->IsFiltered(), filtered);
        EXPECT_EQ(document->Views().size(), 1u);
    }

    frame->close();
    Flush();
    EXPECT_TRUE(NoDocumentOrWindowLeft());
    QFile::remove(path);
    Extract(MiddleRow, {path});
    EXPECT_EQ(Bytes(path), expected) << "window closed";
    EXPECT_TRUE(NoDocumentOrWindowLeft());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SessionExtraction, SessionWindowOfAnEarlierFileIsNotUsed)
{
    StartWith(ThreeSessions());
    CSessionFrame* old = Expand(MiddleRow);
    ASSERT_NE(old, nullptr);
    const std::vector<RecordFields> other = ThreeSessions(100);
    OpenThroughDialog(WriteFile(QStringLiteral("other.kvd"), QByteArray::fromStdString(RecordingBytes(other))));
    ASSERT_EQ(List().GetItemCount(), 3);
    ASSERT_EQ(SessionFrames(), std::vector<CSessionFrame*>{old});

    const QString path = Path(QStringLiteral("x.kvd"));
    Extract(MiddleRow, {path});
    EXPECT_EQ(Bytes(path), RecordsOf(SamplesOf(other, MiddleFirst, MiddleCount)));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(SessionTemplate().GetDocuments(), std::vector<CDocument*>{&DocOf(old)});
}

TEST_F(SessionExtraction, OntoTheOpenRecordingLeavesThatSessionAndTheListStillReads)
{
    StartWith(ThreeSessions());
    const std::string original = Bytes(recording);
    QStringList rows;
    for (int row = 0; row < List().GetItemCount(); ++row)
        rows << List().GetItemText(row, 1) + List().GetItemText(row, 2) + List().GetItemText(row, 3);

    ui.overwriteAnswers.push_back(true);
    Extract(MiddleRow, {recording});
    EXPECT_EQ(ui.overwriteQuestions, QStringList{recording});
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(Bytes(recording), original.substr(20 * MiddleFirst, 20 * MiddleCount));
    EXPECT_TRUE(NoDocumentOrWindowLeft());

    QStringList after;
    for (int row = 0; row < List().GetItemCount(); ++row)
        after << List().GetItemText(row, 1) + List().GetItemText(row, 2) + List().GetItemText(row, 3);
    EXPECT_EQ(after, rows);
    // The first and the last session lie outside what the file now holds.
    const struct {
        int row;
        int first;
        int count;
    } listed[] = {{0, 0, 3}, {2, 7, 2}};
    for (const auto& session : listed) {
        CSessionFrame* frame = Expand(session.row);
        ASSERT_NE(frame, nullptr) << session.row;
        EXPECT_EQ(RecordsOf(DocOf(frame).m_samples), original.substr(20 * session.first, 20 * session.count))
            << session.row;
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SessionExtraction, RecordingThatCannotBeReadWholeWritesNothing)
{
    StartWith(ThreeSessions());
    ASSERT_TRUE(QFile::resize(recording, 20 * 8));   // the last session's second record is gone
    const QString path = Path(QStringLiteral("x.kvd"));
    Extract(2, {path});
    EXPECT_EQ(ui.MessageTexts(), QStringList{QStringLiteral("Error reading ") + recording});
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(NoDocumentOrWindowLeft());
    EXPECT_EQ(WaitCursor::Depth(), 0);
}

// Dialog answers and failures of both commands.

TEST_F(BothCommands, CancelledDialogTouchesNothing)
{
    StartWith(ThreeSessions());
    for (const FileCommand& command : Commands()) {
        SCOPED_TRACE(command.name);
        const auto before = FolderEntries(m_dir.path().toStdString());
        command.run({std::nullopt});
        EXPECT_EQ(ui.saveRequests.size(), 1u);
        EXPECT_EQ(FolderEntries(m_dir.path().toStdString()), before);
        EXPECT_TRUE(ui.messages.empty());
        ForgetDialogs();
    }
    EXPECT_EQ(SessionTemplate().GetDocuments().size(), 1u);   // the export's window
}

TEST_F(BothCommands, ConfirmedOverwriteReplacesTheContentCompletelyEveryTime)
{
    StartWith(ThreeSessions());
    for (const FileCommand& command : Commands()) {
        SCOPED_TRACE(command.name);
        const QString path = WriteFile(QStringLiteral("existing.") + command.extension, QByteArray(100000, 'x'));
        ui.overwriteAnswers = {true, true};
        command.run({path});
        const std::string first = Bytes(path);
        EXPECT_EQ(first, command.expected);
        command.run({path});
        EXPECT_EQ(Bytes(path), first);
        EXPECT_EQ(ui.overwriteQuestions, (QStringList{path, path}));
        EXPECT_TRUE(ui.messages.empty());
        ForgetDialogs();
    }
}

TEST_F(BothCommands, DeclinedOverwriteAsksForAnotherName)
{
    StartWith(ThreeSessions());
    for (const FileCommand& command : Commands()) {
        SCOPED_TRACE(command.name);
        const QString path = WriteFile(QStringLiteral("existing.") + command.extension, "earlier");
        ui.overwriteAnswers = {false};
        command.run({path, std::nullopt});
        EXPECT_EQ(ui.saveRequests.size(), 2u);
        EXPECT_EQ(ui.overwriteQuestions, QStringList{path});
        EXPECT_EQ(Bytes(path), "earlier");
        EXPECT_TRUE(ui.messages.empty());
        ForgetDialogs();
    }
}

TEST_F(BothCommands, MissingFolderIsAnErrorOpening)
{
    StartWith(ThreeSessions());
    for (const FileCommand& command : Commands()) {
        SCOPED_TRACE(command.name);
        const QString path = Path(QStringLiteral("missing/out.") + command.extension);
        command.run({path});
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, QStringLiteral("Error opening ") + path);
        EXPECT_EQ(ui.messages[0].icon, MessageIcon::Exclamation);
        EXPECT_FALSE(QFile::exists(Path(QStringLiteral("missing"))));
        EXPECT_EQ(WaitCursor::Depth(), 0);
        ForgetDialogs();
    }
    EXPECT_EQ(SessionTemplate().GetDocuments().size(), 1u);   // the export's window
}

TEST_F(BothCommands, FullDiskIsAnErrorWritingAndKeepsTheEarlierFile)
{
    StartWith(ThreeSessions());
    for (const FileCommand& command : Commands()) {
        for (const bool earlier : {true, false}) {
            SCOPED_TRACE(std::string(command.name) + (earlier ? ", earlier file" : ", no earlier file"));
            const QString name = QStringLiteral("full.") + command.extension;
            const QString path = earlier ? WriteFile(name, "earlier") : Path(name);
            const auto before = FolderEntries(m_dir.path().toStdString());
            ui.overwriteAnswers = {true};
            {
                FileSizeLimit full(command.expected.size() / 2);
                command.run({path});
            }
            ASSERT_EQ(ui.messages.size(), 1u);
            EXPECT_EQ(ui.messages[0].text, QStringLiteral("Error writing ") + path);
            EXPECT_EQ(ui.messages[0].icon, MessageIcon::Exclamation);
            EXPECT_EQ(FolderEntries(m_dir.path().toStdString()), before);
            if (earlier) {
                EXPECT_EQ(Bytes(path), "earlier");
            }
            EXPECT_EQ(WaitCursor::Depth(), 0);
            QFile::remove(path);
            ForgetDialogs();
        }
    }
    EXPECT_EQ(SessionTemplate().GetDocuments().size(), 1u);   // the export's window
}

// The batch tool writes what the windows write.

TEST_F(SessionExport, CliExportAndExtractGiveTheWindowsBytes)
{
    StartWith(ThreeSessions());
    CSessionFrame* frame = Expand(MiddleRow);
    ASSERT_NE(frame, nullptr);
    const QString session = QString::number(MiddleRow + 1);
    Export(frame, {Path(QStringLiteral("raw.csv"))});
    DocOf(frame).OnFilter();
    Export(frame, {Path(QStringLiteral("filtered.csv"))});
    Extract(MiddleRow, {Path(QStringLiteral("window.kvd"))});
    ASSERT_TRUE(ui.messages.empty());

    const struct {
        QStringList arguments;
        QString windowFile;
    } cases[] = {
        {{QStringLiteral("export"), recording, session, QStringLiteral("-o"), Path(QStringLiteral("cli-raw.csv"))},
         QStringLiteral("raw.csv")},
        {{QStringLiteral("export"), recording, session, QStringLiteral("--filter"), QStringLiteral("-o"),
          Path(QStringLiteral("cli-filtered.csv"))},
         QStringLiteral("filtered.csv")},
        {{QStringLiteral("extract"), recording, session, QStringLiteral("-o"), Path(QStringLiteral("cli.kvd"))},
         QStringLiteral("window.kvd")},
    };
    for (const auto& c : cases) {
        std::string err;
        EXPECT_EQ(RunCli(c.arguments, &err), 0) << err;
        EXPECT_EQ(Bytes(c.arguments.last()), Bytes(Path(c.windowFile))) << c.windowFile.toStdString();
        EXPECT_FALSE(Bytes(Path(c.windowFile)).empty());
    }
}
