#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace verbalink::testing {

// A dbus-daemon of our own for one test: nothing reaches the user's session bus.
class PrivateBus {
public:
    PrivateBus() = default;
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;
    ~PrivateBus();

    bool start(QString& error);
    QString address() const { return m_address; }
    // A new connection to the bus; closed when the bus goes.
    QDBusConnection connect();

private:
    QProcess m_daemon;
    QString m_address;
    QStringList m_connections;
};

} // namespace verbalink::testing
