#include "skype/dbus/DBusNotifyReceiver.h"

#include <QDBusMessage>

namespace verbalink {

DBusNotifyReceiver::DBusNotifyReceiver(QObject* parent) : QObject(parent) {}

void DBusNotifyReceiver::Notify(const QString& notification)
{
    // Called directly (not over the bus) there is no sender to attribute the line to.
    if (!calledFromDBus())
        return;
    Q_EMIT notified(message().service(), notification);
}

} // namespace verbalink
