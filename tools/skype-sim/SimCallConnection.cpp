#include "SimCallConnection.h"

#include <QHostAddress>
#include <cstdio>

namespace verbalink::sim {

SimCallConnection::SimCallConnection(const QString& name, quint16 port, QObject* parent)
    : QObject(parent), m_name(name), m_port(port)
{
    connect(&m_socket, &QTcpSocket::connected, this, &SimCallConnection::opened);
    connect(&m_socket, &QTcpSocket::readyRead, this,
            [this] { Q_EMIT received(m_socket.readAll()); });
    connect(&m_socket, &QTcpSocket::errorOccurred, this, &SimCallConnection::failed);
    connect(&m_socket, &QTcpSocket::disconnected, this, &SimCallConnection::closed);
    m_socket.connectToHost(QHostAddress::LocalHost, port);
}

SimCallConnection::~SimCallConnection()
{
    m_socket.disconnect(this);
    m_socket.flush();
    m_socket.disconnectFromHost();
}

bool SimCallConnection::isConnecting() const
{
    const QAbstractSocket::SocketState state = m_socket.state();
    return state == QAbstractSocket::HostLookupState || state == QAbstractSocket::ConnectingState;
}

void SimCallConnection::send(const QByteArray& bytes)
{
    if (isOpen())
        m_socket.write(bytes);
}

void SimCallConnection::failed()
{
    // The other side closing is no failure; it is reported by disconnected.
    if (m_socket.error() == QAbstractSocket::RemoteHostClosedError)
        return;
    std::fprintf(stderr, "skype-sim: %s on port %u: %s\n", qUtf8Printable(m_name), unsigned(m_port),
                 qUtf8Printable(m_socket.errorString()));
    if (m_socket.state() != QAbstractSocket::ConnectedState)
        Q_EMIT closed();
}

} // namespace verbalink::sim
