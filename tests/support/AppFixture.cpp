#include "tests/support/AppFixture.h"

#include "framework/FrameWnd.h"
#include "settings/ParameterStore.h"
#include "tools/RecordBuilder.h"
#include "windows/KoveloView.h"
#include "windows/MainFrame.h"
#include "windows/SessionFrame.h"

#include <QApplication>
#include <QFile>
#include <QSettings>

void AppFixture::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    qputenv("XDG_CONFIG_HOME", Path(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", Path(QStringLiteral("data")).toUtf8());
    // QSettings reads XDG_CONFIG_HOME only once per process.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Path(QStringLiteral("config")));
    ParameterStore::Reset();
}

void AppFixture::TearDown()
{
    if (app)
        Stop();
    ParameterStore::Reset();
}

bool AppFixture::Start(const QStringList& arguments)
{
    AppEnvironment environment;
    environment.executablePath = Path(QStringLiteral("Kovelo"));
    environment.configHome = Path(QStringLiteral("config"));
    environment.arguments = arguments;
    environment.integrateWithDesktop = false;
    app = std::make_unique<CKoveloApp>(std::move(environment));
    const bool started = app->InitInstance();
    Flush();
    return started;
}

int AppFixture::Stop()
{
    if (app->m_pMainWnd)
        app->m_pMainWnd->close();
    Flush();
    const int exitCode = app->ExitInstance();
    app.reset();
    Flush();
    return exitCode;
}

QString AppFixture::WriteFile(const QString& name, const QByteArray& bytes) const
{
    QFile file(Path(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    return file.fileName();
}

QString AppFixture::WriteRecording(const QString& name, const std::vector<SampleRecord>& records) const
{
    const std::string bytes = RecordBytes(records);
    return WriteFile(name, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

QByteArray AppFixture::ReadFile(const QString& path) const
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

CMainFrame* AppFixture::MainFrame() const
{
    return app ? dynamic_cast<CMainFrame*>(app->m_pMainWnd) : nullptr;
}

CKoveloView* AppFixture::MainView() const
{
    CMainFrame* frame = MainFrame();
    return frame ? dynamic_cast<CKoveloView*>(frame->GetActiveView()) : nullptr;
}

std::vector<CSessionFrame*> AppFixture::SessionFrames()
{
    std::vector<CSessionFrame*> frames;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* frame = dynamic_cast<CSessionFrame*>(widget))
            frames.push_back(frame);
    return frames;
}

CSessionFrame* AppFixture::Expand(int row)
{
    const std::vector<CSessionFrame*> before = SessionFrames();
    MainView()->m_sessionList.SelectItem(row);
    MainView()->OnExpandSession();
    Flush();
    return NewFrame(before);
}

CSessionFrame* AppFixture::NewFrame(const std::vector<CSessionFrame*>& before)
{
    for (CSessionFrame* frame : SessionFrames())
        if (std::find(before.begin(), before.end(), frame) == before.end())
            return frame;
    return nullptr;
}

void AppFixture::Flush()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
