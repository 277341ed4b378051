#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QLocalServer;

// One running Kovelo per user opens the files that later starts are asked to open.
class SingleInstance : public QObject
{
public:
    explicit SingleInstance(QString name = DefaultName());
    ~SingleInstance() override;

    // Hands the path to a running instance; false when none answers.
    bool ForwardToRunning(const QString& path) const;
    // Listens for paths from later starts.
    bool Listen(std::function<void(const QString&)> open);

    static QString DefaultName();

private:
    QString m_name;
    QLocalServer* m_server = nullptr;
};
