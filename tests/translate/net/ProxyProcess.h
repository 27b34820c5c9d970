#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace verbalink::test {

// A real proxy server from the system's packages, run in the foreground on a free loopback port
// for the length of one test, with its configuration in a temporary folder.
class ProxyProcess {
public:
    ~ProxyProcess();

    // microsocks as a SOCKS5 proxy that demands this user name and password.
    static std::unique_ptr<ProxyProcess> microsocks(const QString& user, const QString& password);
    // danted speaking SOCKS4 and SOCKS5 without authentication; it lets clients reach loopback
    // addresses only, so a request for any other address is refused at the proxy.
    static std::unique_ptr<ProxyProcess> dante();
    // tinyproxy as an HTTP proxy.
    static std::unique_ptr<ProxyProcess> tinyproxy();

    // Ends the proxy at once with SIGKILL, as a crash would, and waits until it is gone.
    void kill();
    // Starts it again, on the same port with the same configuration; false when it does not
    // come up (see failure()).
    bool restart();

    // Empty when the proxy runs; otherwise why it could not be started (for GTEST_SKIP).
    QString failure() const { return m_failure; }
    quint16 port() const { return m_port; }
    QString log() const;

private:
    ProxyProcess() = default;
    void start(const QString& program, const QStringList& arguments);
    bool waitListening(int timeoutMs);
    bool writeConfig(const QString& name, const QByteArray& text);
    QString configPath(const QString& name) const;

    QTemporaryDir m_dir;
    QProcess m_process;
    QString m_program;
    QStringList m_arguments;
    quint16 m_port = 0;
    QString m_failure;
};

} // namespace verbalink::test
