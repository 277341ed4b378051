#include "app/SingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace {
constexpr int TimeoutMs = 1000;
}

SingleInstance::SingleInstance(QString name) : m_name(std::move(name))
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::DefaultName()
{
    return QStringLiteral("kovelo-%1").arg(getuid());
}

bool SingleInstance::ForwardToRunning(const QString& path) const
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(TimeoutMs))
        return false;
    socket.write(QFileInfo(path).absoluteFilePath().toUtf8() + '\n');
    if (!socket.waitForBytesWritten(TimeoutMs))
        return false;
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::Listen(std::function<void(const QString&)> open)
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        QLocalServer::removeServer(m_name);
        if (!m_server->listen(m_name))
            return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this, open] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, socket, [socket, open] {
                while (socket->canReadLine()) {
                    const QString path = QString::fromUtf8(socket->readLine()).trimmed();
                    if (!path.isEmpty())
                        open(path);
                }
            });
        }
    });
    return true;
}
