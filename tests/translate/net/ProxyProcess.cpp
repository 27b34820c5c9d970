#include "ProxyProcess.h"

#include "ScriptedServer.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QStandardPaths>
#include <QThread>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace verbalink::test {

namespace {

bool acceptsConnections(quint16 port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return ok;
}

QString findProgram(const QString& name)
{
    QString path = QStandardPaths::findExecutable(name);
    if (path.isEmpty())
        path = QStandardPaths::findExecutable(
            name, {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
    return path;
}

} // namespace

ProxyProcess::~ProxyProcess()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

QString ProxyProcess::configPath(const QString& name) const
{
    return m_dir.filePath(name);
}

bool ProxyProcess::writeConfig(const QString& name, const QByteArray& text)
{
    QFile file(configPath(name));
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

void ProxyProcess::kill()
{
    m_process.kill();
    m_process.waitForFinished(5000);
}

bool ProxyProcess::restart()
{
    m_failure.clear();
    start(m_program, m_arguments);
    return m_failure.isEmpty();
}

void ProxyProcess::start(const QString& program, const QStringList& arguments)
{
    m_program = program;
    m_arguments = arguments;
    const QString path = findProgram(program);
    if (path.isEmpty()) {
        m_failure = program + QStringLiteral(" is not installed (scripts/setup installs it)");
        return;
    }
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.setWorkingDirectory(m_dir.path());
    m_process.start(path, arguments);
    if (!m_process.waitForStarted(5000)) {
        m_failure = program + QStringLiteral(" did not start: ") + m_process.errorString();
        return;
    }
    if (!waitListening(5000))
        m_failure = program + QStringLiteral(" did not listen on its port: ") + log();
}

bool ProxyProcess::waitListening(int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (acceptsConnections(m_port))
            return true;
        if (m_process.state() == QProcess::NotRunning)
            return false;
        QThread::msleep(20);
    }
    return false;
}

QString ProxyProcess::log() const
{
    auto& process = const_cast<QProcess&>(m_process);
    return QString::fromUtf8(process.readAll());
}

std::unique_ptr<ProxyProcess> ProxyProcess::microsocks(const QString& user, const QString& password)
{
    std::unique_ptr<ProxyProcess> proxy(new ProxyProcess);
    proxy->m_port = freeLoopbackPort();
    proxy->start(QStringLiteral("microsocks"),
                 {QStringLiteral("-i"), QStringLiteral("127.0.0.1"), QStringLiteral("-p"),
                  QString::number(proxy->m_port), QStringLiteral("-u"), user, QStringLiteral("-P"),
                  password});
    return proxy;
}

std::unique_ptr<ProxyProcess> ProxyProcess::dante()
{
    std::unique_ptr<ProxyProcess> proxy(new ProxyProcess);
    proxy->m_port = freeLoopbackPort();
    // As root, danted needs both user entries; as anyone else it runs as that user.
    const QByteArray users =
        ::geteuid() == 0 ? "user.privileged: root\nuser.unprivileged: nobody\n" : QByteArray();
    const QByteArray config = "logoutput: stderr\n"
                              "internal: 127.0.0.1 port = " +
                              QByteArray::number(proxy->m_port) +
                              "\n"
                              "external: 127.0.0.1\n"
                              "clientmethod: none\n"
                              "socksmethod: none\n" +
                              users +
                              "client pass { from: 127.0.0.0/8 to: 0.0.0.0/0 }\n"
                              "socks pass { from: 127.0.0.0/8 to: 127.0.0.0/8 }\n"
                              "socks block { from: 0.0.0.0/0 to: 0.0.0.0/0 }\n";
    if (!proxy->writeConfig(QStringLiteral("danted.conf"), config)) {
        proxy->m_failure = QStringLiteral("cannot write danted.conf");
        return proxy;
    }
    proxy->start(QStringLiteral("danted"),
                 {QStringLiteral("-f"), proxy->configPath(QStringLiteral("danted.conf")),
                  QStringLiteral("-p"), proxy->configPath(QStringLiteral("danted.pid")),
                  QStringLiteral("-N"), QStringLiteral("1")});
    return proxy;
}

std::unique_ptr<ProxyProcess> ProxyProcess::tinyproxy()
{
    std::unique_ptr<ProxyProcess> proxy(new ProxyProcess);
    proxy->m_port = freeLoopbackPort();
    const QByteArray config = "Port " + QByteArray::number(proxy->m_port) +
                              "\n"
                              "Listen 127.0.0.1\n"
                              "Timeout 30\n"
                              "MaxClients 8\n"
                              "Allow 127.0.0.1\n"
                              "LogLevel Warning\n";
    if (!proxy->writeConfig(QStringLiteral("tinyproxy.conf"), config)) {
        proxy->m_failure = QStringLiteral("cannot write tinyproxy.conf");
        return proxy;
    }
    proxy->start(QStringLiteral("tinyproxy"),
                 {QStringLiteral("-d"), QStringLiteral("-c"),
                  proxy->configPath(QStringLiteral("tinyproxy.conf"))});
    return proxy;
}

} // namespace verbalink::test
