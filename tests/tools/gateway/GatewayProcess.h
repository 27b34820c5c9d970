#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace verbalink::testing {

// The verbalink-gateway executable on a free loopback port, its log kept in a file.
class GatewayProcess {
public:
    GatewayProcess() = default;
    GatewayProcess(const GatewayProcess&) = delete;
    GatewayProcess& operator=(const GatewayProcess&) = delete;
    ~GatewayProcess();

    // Starts it and waits for its "listening 127.0.0.1:PORT" line.
    bool start(QString& error, const QStringList& arguments = {});
    // "127.0.0.1:PORT", as a configured host.
    QByteArray hostPort() const { return m_hostPort; }
    // Everything it logged so far.
    QString log();

private:
    QTemporaryDir m_folder;
    QProcess m_process;
    QByteArray m_hostPort;
};

} // namespace verbalink::testing
