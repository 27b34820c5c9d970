#include "PrivateBus.h"

using namespace Qt::StringLiterals;

namespace verbalink::testing {

PrivateBus::~PrivateBus()
{
    for (const QString& name : std::as_const(m_connections))
        QDBusConnection::disconnectFromBus(name);
    if (m_daemon.state() != QProcess::NotRunning) {
        m_daemon.terminate();
        if (!m_daemon.waitForFinished(5000))
            m_daemon.kill();
        m_daemon.waitForFinished(5000);
    }
}

bool PrivateBus::start(QString& error)
{
    m_daemon.setProgram(QStringLiteral(DBUS_DAEMON_EXECUTABLE));
    m_daemon.setArguments({u"--session"_s, u"--nofork"_s, u"--print-address"_s});
    m_daemon.setProcessChannelMode(QProcess::SeparateChannels);
    m_daemon.start();
    if (!m_daemon.waitForStarted(10000)) {
        error = u"dbus-daemon did not start: "_s + m_daemon.errorString();
        return false;
    }
    while (!m_daemon.canReadLine()) {
        if (!m_daemon.waitForReadyRead(10000)) {
            error = u"dbus-daemon printed no address: "_s +
                    QString::fromLocal8Bit(m_daemon.readAllStandardError());
            return false;
        }
    }
    m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    return !m_address.isEmpty();
}

QDBusConnection PrivateBus::connect()
{
    const QString name =
        u"verbalink-test-"_s + QString::number(m_connections.size()) + u'@' + m_address;
    m_connections.append(name);
    return QDBusConnection::connectToBus(m_address, name);
}

} // namespace verbalink::testing
