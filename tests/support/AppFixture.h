#pragma once

#include "app/KoveloApp.h"
#include "recording/SampleRecord.h"
#include "tests/support/ScriptedInteraction.h"

#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

class CKoveloView;
class CMainFrame;
class CSessionFrame;

// A Kovelo application in a scratch folder: its settings, recent files and recordings live
// there, every dialog and message goes to the scripted fake, and nothing blocks.
class AppFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs the start-up with the given command line; false when it ended the program.
    bool Start(const QStringList& arguments = {});
    // Closes the main window and runs the shut-down; the exit code.
    int Stop();

    QString Path(const QString& name) const { return m_dir.filePath(name); }
    QString WriteFile(const QString& name, const QByteArray& bytes) const;
    QString WriteRecording(const QString& name, const std::vector<SampleRecord>& records) const;
    QByteArray ReadFile(const QString& path) const;
    // The settings file beside the scratch executable.
    QString SettingsFile() const { return Path(QStringLiteral("Kovelo.xml")); }

    CMainFrame* MainFrame() const;
    CKoveloView* MainView() const;
    // The open session windows, and the one that Expand of a session list row opens (or null).
    static std::vector<CSessionFrame*> SessionFrames();
    CSessionFrame* Expand(int row);
    static CSessionFrame* NewFrame(const std::vector<CSessionFrame*>& before);
    // Runs the posted deletions of closed windows and documents.
    static void Flush();

    QTemporaryDir m_dir;
    ScriptedInteraction ui;
    std::unique_ptr<CKoveloApp> app;
};
