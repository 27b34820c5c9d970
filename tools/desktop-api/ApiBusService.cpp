#include "ApiBusService.h"

#include "ApiCommandLog.h"
#include "DesktopApi.h"
#include "skype/dbus/SkypeDBusNames.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QThread>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace verbalink::desktopapi {

ApiBusService::ApiBusService(DesktopApi& api, ApiCommandLog& log, const QDBusConnection& bus,
                             QObject* parent)
    : QObject(parent), m_api(api), m_log(log), m_bus(bus)
{
    m_clientWatcher.setConnection(m_bus);
    m_clientWatcher.setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
    connect(&m_clientWatcher, &QDBusServiceWatcher::serviceUnregistered, this,
            &ApiBusService::clientLeft);
}

bool ApiBusService::start(QString& error)
{
    if (!m_bus.isConnected()) {
        error = u"no session bus: "_s + m_bus.lastError().message();
        return false;
    }
    if (!m_bus.registerObject(skypedbus::apiPath(), skypedbus::apiInterface(), this,
                              QDBusConnection::ExportScriptableSlots)) {
        error = u"cannot export "_s + skypedbus::apiPath();
        return false;
    }
    if (!m_bus.registerService(skypedbus::apiService())) {
        error = skypedbus::apiService() + u" is owned by another process"_s;
        return false;
    }
    return true;
}

void ApiBusService::releaseName()
{
    m_bus.unregisterService(skypedbus::apiService());
}

bool ApiBusService::notifyClient(const QString& line)
{
    if (m_client.isEmpty())
        return false;
    QDBusMessage notify = QDBusMessage::createMethodCall(
        m_client, skypedbus::clientPath(), skypedbus::clientInterface(), skypedbus::notifyMethod());
    notify << line;
    notify.setAutoStartService(false);
    // Fire and forget: the client's answer, if any, is dropped.
    return m_bus.send(notify);
}

QString ApiBusService::Invoke(const QString& command)
{
    m_log.record(command);
    Q_EMIT commandReceived(command);
    const ApiResponse response = m_api.handle(command);
    // A hung client serves nobody: the whole event loop waits, as the bus sees it.
    if (response.stallMs > 0)
        QThread::msleep(ulong(response.stallMs));
    // The reply goes out by hand so that notifications can follow it, never precede it.
    setDelayedReply(true);
    const QDBusMessage call = message();
    if (response.replyDelayMs > 0) {
        QTimer::singleShot(response.replyDelayMs, this,
                           [this, call, response] { complete(call, response); });
    } else {
        complete(call, response);
    }
    return {};
}

void ApiBusService::complete(const QDBusMessage& call, const ApiResponse& response)
{
    if (!response.busError.isEmpty()) {
        m_bus.send(call.createErrorReply(response.busError, u"Simulated failure to answer"_s));
        return;
    }
    m_bus.send(call.createReply(response.reply));
    if (response.attachesCaller) {
        m_client = call.service();
        m_clientWatcher.setWatchedServices({m_client});
        Q_EMIT clientAttached(m_client);
        // It may have left before the watch began.
        if (!m_bus.interface()->isServiceRegistered(m_client))
            clientLeft(m_client);
    }
    for (const QString& line : response.notifications)
        notifyClient(line);
}

void ApiBusService::clientLeft(const QString& name)
{
    if (name != m_client)
        return;
    // Notifications to a name that is gone would only bounce off the bus.
    m_client.clear();
    m_clientWatcher.setWatchedServices({});
    m_api.state().attachedApp.clear();
    Q_EMIT clientDetached();
}

} // namespace verbalink::desktopapi
