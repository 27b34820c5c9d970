#pragma once

#include <QDBusContext>
#include <QObject>
#include <QString>

namespace verbalink {

// The object exported at /com/Skype/Client: turns each Notify call into a signal that names
// the caller's unique bus name.
class DBusNotifyReceiver : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.Skype.API.Client")

public:
    explicit DBusNotifyReceiver(QObject* parent = nullptr);

public Q_SLOTS:
    // The D-Bus method; the name is fixed by the wire protocol.
    Q_SCRIPTABLE void Notify(const QString& notification);

Q_SIGNALS:
    void notified(const QString& sender, const QString& notification);
};

} // namespace verbalink
