#pragma once

#include <QObject>
#include <QString>
#include <QTcpSocket>

namespace verbalink::sim {

// One loopback TCP connection a call's audio runs on; a connect that fails is reported on
// standard error and ends as a closed connection.
class SimCallConnection : public QObject {
    Q_OBJECT

public:
    // `name` says what the connection is for in messages ("call 7 output").
    SimCallConnection(const QString& name, quint16 port, QObject* parent = nullptr);
    // Hands what is written to the system before the connection goes.
    ~SimCallConnection() override;

    bool isOpen() const { return m_socket.state() == QAbstractSocket::ConnectedState; }
    bool isConnecting() const;
    void send(const QByteArray& bytes);

Q_SIGNALS:
    void opened();
    void received(const QByteArray& bytes);
    // Failed to connect or closed by the other side.
    void closed();

private:
    void failed();

    QString m_name;
    quint16 m_port;
    QTcpSocket m_socket;
};

} // namespace verbalink::sim
