// Makes the README's pictures from the demo recording: run under an X server (Xvfb).
//   kovelo-screenshots DEMO.kvd OUTDIR
#include "app/KoveloApp.h"
#include "app/Resource.h"
#include "framework/FrameWnd.h"
#include "windows/KoveloView.h"
#include "windows/SessionDoc.h"
#include "windows/SessionView.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHelpEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <cstdio>

namespace {

void Settle(int milliseconds = 300)
{
    QThread::msleep(static_cast<unsigned long>(milliseconds));
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
}

bool Save(QWidget* window, const QString& path)
{
    Settle();
    return window->grab().save(path, "PNG", 9);
}

// The screen around a window, so that tooltips and popups over it show.
bool SaveScreenArea(const QRect& area, const QString& path)
{
    Settle(800);
    return QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height())
        .save(path, "PNG", 9);
}

int LongestSessionRow(const CSessionListCtrl& list)
{
    int longest = 0;
    for (int row = 1; row < list.GetItemCount(); ++row)
        if (list.GetItemText(row, 3).toInt() > list.GetItemText(longest, 3).toInt())
            longest = row;
    return longest;
}

CFrameWndEx* NewestSessionFrame(CFrameWndEx* mainFrame)
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* frame = dynamic_cast<CFrameWndEx*>(widget); frame && frame != mainFrame && frame->isVisible())
            return frame;
    return nullptr;
}

void ShowToolTipOnFirstSummary(CSampleListCtrl& list)
{
    for (int row = 0; row < list.GetItemCount(); ++row) {
        if (list.GetItemData(row) == 1)
            continue;
        list.scrollTo(list.model()->index(row, 3));
        Settle();
        const QPoint point = list.visualRect(list.model()->index(row, 3)).center();
        QHelpEvent event(QEvent::ToolTip, point, list.viewport()->mapToGlobal(point));
        QCoreApplication::sendEvent(list.viewport(), &event);
        return;
    }
}

// The real Export dialog, in a folder that holds a recording and an earlier export.
bool ExportDialog(CSessionView& view, const QDir& folder, const QString& demo, const QString& path)
{
    QFile::copy(demo, folder.filePath(QStringLiteral("demo.kvd")));
    QFile earlier(folder.filePath(QStringLiteral("2015-0128-0632.csv")));
    earlier.open(QIODevice::WriteOnly);
    earlier.close();
    QDir::setCurrent(folder.path());
    bool saved = false;
    QTimer::singleShot(500, [&saved, path] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        dialog->resize(720, 420);
        saved = Save(dialog, path);
        dialog->close();
    });
    view.OnExport();
    return saved;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication qtApp(argc, argv);
    if (argc != 3) {
        std::fputs("usage: kovelo-screenshots DEMO.kvd OUTDIR\n", stderr);
        return 2;
    }
    const QString demo = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const QDir out(QString::fromLocal8Bit(argv[2]));
    QTemporaryDir scratch;

    AppEnvironment environment;
    environment.executablePath = scratch.filePath(QStringLiteral("Kovelo"));
    environment.configHome = scratch.filePath(QStringLiteral("config"));
    environment.arguments = {demo};
    environment.integrateWithDesktop = false;
    CKoveloApp app(environment);
    if (!app.InitInstance())
        return 2;
    CFrameWndEx* mainFrame = app.m_pMainWnd;
    mainFrame->setGeometry(20, 20, 560, 420);
    auto* mainView = dynamic_cast<CKoveloView*>(mainFrame->GetActiveView());
    mainView->m_sessionList.SelectItem(LongestSessionRow(mainView->m_sessionList));
    bool ok = Save(mainFrame, out.filePath(QStringLiteral("main-window.png")));

    mainView->OnExpandSession();
    CFrameWndEx* sessionFrame = NewestSessionFrame(mainFrame);
    sessionFrame->move(40, 40);
    sessionFrame->resize(sessionFrame->width(), 460);
    ok = Save(sessionFrame, out.filePath(QStringLiteral("session-raw.png"))) && ok;

    auto* sessionView = dynamic_cast<CSessionView*>(sessionFrame->GetActiveView());
    sessionView->GetDocument()->OnFilter();
    sessionFrame->UpdateCommandUI();
    ShowToolTipOnFirstSummary(sessionView->m_sampleList);
    ok = SaveScreenArea(sessionFrame->frameGeometry(), out.filePath(QStringLiteral("session-filtered.png"))) && ok;

    sessionView->GetDocument()->OnFilter();
    sessionFrame->resize(sessionFrame->width(), 760);
    sessionFrame->ExecuteCommand(ID_SESSION_CHART);
    ok = Save(sessionFrame, out.filePath(QStringLiteral("chart.png"))) && ok;

    QDir folder(scratch.path());
    folder.mkdir(QStringLiteral("recordings"));
    folder.cd(QStringLiteral("recordings"));
    ok = ExportDialog(*sessionView, folder, demo, out.filePath(QStringLiteral("export-dialog.png"))) && ok;
    app.CloseAllDocuments();
    return ok ? 0 : 1;
}
