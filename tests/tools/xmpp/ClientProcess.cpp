#include "ClientProcess.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcessEnvironment>
#include <QThread>

using namespace Qt::StringLiterals;

namespace verbalink::testing {

ClientProcess::ClientProcess(QString busAddress, QString password)
    : m_busAddress(std::move(busAddress))
{
    QFile file(m_home.filePath(u"password"_s));
    if (file.open(QIODevice::WriteOnly)) {
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        file.write(password.toUtf8() + '\n');
    }
}

ClientProcess::~ClientProcess()
{
    stop();
}

void ClientProcess::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000))
        m_process.kill();
    m_process.waitForFinished(5000);
}

bool ClientProcess::start(const QStringList& arguments, QString& error, bool withPasswordFile)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, m_busAddress);
    environment.insert(u"XDG_CONFIG_HOME"_s, configFolder());
    for (auto it = m_env.cbegin(); it != m_env.cend(); ++it)
        environment.insert(it.key(), it.value());
    m_process.setProcessEnvironment(environment);
    m_output.clear();
    QStringList all = arguments;
    if (withPasswordFile)
        all << u"--password-file"_s << m_home.filePath(u"password"_s);
    m_process.start(
        QStringLiteral(XMPP_CLIENT_EXECUTABLE),
        all + QStringList{u"--messages"_s, m_home.filePath(u"messages"_s), u"--verbose"_s});
    if (!m_process.waitForStarted(10000)) {
        error = u"verbalink-xmpp did not start: "_s + m_process.errorString();
        return false;
    }
    // It may ask first; the test answers and waits for "ready" itself.
    if (!withPasswordFile)
        return true;
    const std::optional<QString> ready = waitForOutput(u"ready "_s);
    if (!ready) {
        error = u"verbalink-xmpp never said ready: "_s + m_errors;
        return false;
    }
    m_uniqueName = *ready;
    return true;
}

void ClientProcess::directive(const QString& line)
{
    m_process.write(line.toUtf8() + '\n');
    m_process.waitForBytesWritten(5000);
}

std::optional<QString> ClientProcess::waitForOutput(const QString& prefix,
                                                    std::chrono::milliseconds timeout)
{
    const QDeadlineTimer deadline(timeout);
    for (;;) {
        while (m_process.canReadLine())
            m_output.append(QString::fromUtf8(m_process.readLine()).trimmed());
        m_errors += QString::fromUtf8(m_process.readAllStandardError());
        for (qsizetype i = 0; i < m_output.size(); ++i) {
            if (m_output.at(i).startsWith(prefix))
                return m_output.takeAt(i).mid(prefix.size());
        }
        if (deadline.hasExpired() || m_process.state() == QProcess::NotRunning)
            return std::nullopt;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        m_process.waitForReadyRead(20);
    }
}

bool ClientProcess::waitForLog(const QString& text, std::chrono::milliseconds timeout)
{
    const QDeadlineTimer deadline(timeout);
    for (;;) {
        m_errors += QString::fromUtf8(m_process.readAllStandardError());
        if (m_errors.contains(text))
            return true;
        if (deadline.hasExpired() || m_process.state() == QProcess::NotRunning)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        m_process.waitForReadyRead(20);
    }
}

QStringList ClientProcess::messageLines() const
{
    QFile file(m_home.filePath(u"messages"_s));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

std::optional<QString>
ClientProcess::waitForMessageLine(const std::function<bool(const QString&)>& match,
                                  std::chrono::milliseconds timeout)
{
    const QDeadlineTimer deadline(timeout);
    for (;;) {
        for (const QString& line : messageLines()) {
            if (match(line))
                return line;
        }
        if (deadline.hasExpired())
            return std::nullopt;
        m_errors += QString::fromUtf8(m_process.readAllStandardError());
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(20);
    }
}

} // namespace verbalink::testing
