#include "app/SingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QLockFile>

namespace verbalink {

namespace {

constexpr int HandOverTimeoutMs = 2000;
const QByteArray MenuRequest = "open-menu\n";

} // namespace

SingleInstance::SingleInstance(QString folder, QString name, QObject* parent)
    : QObject(parent), m_folder(std::move(folder)), m_name(std::move(name))
{
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this,
                    [this, socket] { readRequest(socket); });
        }
    });
}

SingleInstance::Role SingleInstance::claim()
{
    QDir().mkpath(m_folder);
    // Two copies starting at the same moment must not both decide they are first.
    QLockFile lock(socketPath() + u".lock");
    if (!lock.tryLock(HandOverTimeoutMs))
        return Role::Failed;
    if (handOver())
        return Role::HandedOver;
    // Nobody answers: a socket file left by a crashed copy is stale.
    QLocalServer::removeServer(socketPath());
    return m_server.listen(socketPath()) ? Role::Primary : Role::Failed;
}

bool SingleInstance::handOver()
{
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    if (!socket.waitForConnected(HandOverTimeoutMs))
        return false;
    socket.write(MenuRequest);
    return socket.waitForBytesWritten(HandOverTimeoutMs);
}

void SingleInstance::readRequest(QLocalSocket* socket)
{
    // Requests are single short lines; a caller sending anything longer is cut off.
    constexpr qint64 MaxLine = 64;
    while (socket->canReadLine()) {
        const QByteArray line = socket->readLine(MaxLine);
        if (!line.endsWith('\n')) {
            socket->abort();
            return;
        }
        if (line == MenuRequest)
            Q_EMIT menuRequested();
    }
    if (socket->bytesAvailable() > MaxLine)
        socket->abort();
}

} // namespace verbalink
