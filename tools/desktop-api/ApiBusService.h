#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusServiceWatcher>
#include <QObject>
#include <QString>

namespace verbalink::desktopapi {

class ApiCommandLog;
class DesktopApi;
struct ApiResponse;

// Serves the chat client on the bus: owns com.Skype.API, answers Invoke(s) at
// /com/Skype and pushes notifications to the attached client's /com/Skype/Client. A client
// that leaves the bus is no longer attached.
class ApiBusService : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.Skype.API")

public:
    ApiBusService(DesktopApi& api, ApiCommandLog& log, const QDBusConnection& bus,
                  QObject* parent = nullptr);

    // Exports the object and takes the name; the error says why not.
    bool start(QString& error);
    void releaseName();
    QString uniqueName() const { return m_bus.baseService(); }
    QString client() const { return m_client; }
    // Sends one line to the attached client without waiting; false when none is attached.
    bool notifyClient(const QString& line);

Q_SIGNALS:
    // Every command as it arrives, before it is answered.
    void commandReceived(const QString& command);
    // A client's NAME was accepted; notifications go to it from now on.
    void clientAttached(const QString& client);
    void clientDetached();

public Q_SLOTS:
    // The D-Bus method; the name is fixed by the wire protocol.
    Q_SCRIPTABLE QString Invoke(const QString& command);

private:
    void complete(const QDBusMessage& call, const ApiResponse& response);
    void clientLeft(const QString& name);

    DesktopApi& m_api;
    ApiCommandLog& m_log;
    QDBusConnection m_bus;
    QDBusServiceWatcher m_clientWatcher;
    QString m_client;
};

} // namespace verbalink::desktopapi
