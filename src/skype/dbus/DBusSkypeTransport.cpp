#include "skype/dbus/DBusSkypeTransport.h"

#include "skype/dbus/DBusNotifyReceiver.h"
#include "skype/dbus/SkypeDBusNames.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QTimer>

namespace verbalink {

namespace {

QString appNameCommand()
{
    return QStringLiteral("NAME Verbalink");
}

QDBusMessage invokeCall(const QString& destination, const QString& command)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        destination, skypedbus::apiPath(), skypedbus::apiInterface(), skypedbus::invokeMethod());
    call << command;
    // The chat client is started by its user, never by bus activation.
    call.setAutoStartService(false);
    return call;
}

// The daemon answers these itself when nobody owns the name: nobody heard the broadcast.
bool isNoOwnerError(const QDBusMessage& answer)
{
    const QString name = answer.errorName();
    return name == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
           name == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner");
}

QByteArray beforeFirstNul(const QByteArray& bytes)
{
    const qsizetype nul = bytes.indexOf('\0');
    return nul < 0 ? bytes : bytes.first(nul);
}

} // namespace

DBusSkypeTransport::DBusSkypeTransport(QObject* parent)
    : DBusSkypeTransport(QDBusConnection::sessionBus(), parent)
{}

DBusSkypeTransport::DBusSkypeTransport(const QDBusConnection& bus, QObject* parent)
    : QObject(parent), m_bus(bus), m_receiver(new DBusNotifyReceiver(this))
{
    connect(m_receiver, &DBusNotifyReceiver::notified, this,
            [this](const QString& sender, const QString& text) {
                deliverReceived(sender, beforeFirstNul(text.toUtf8()));
            });
    if (!m_bus.isConnected())
        return;
    m_exported = m_bus.registerObject(skypedbus::clientPath(), skypedbus::clientInterface(),
                                      m_receiver, QDBusConnection::ExportScriptableSlots);
    auto* watcher = new QDBusServiceWatcher(skypedbus::apiService(), m_bus,
                                            QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString& oldOwner, const QString& newOwner) {
                onApiOwnerChanged(oldOwner, newOwner);
            });
}

DBusSkypeTransport::~DBusSkypeTransport()
{
    if (m_exported)
        m_bus.unregisterObject(skypedbus::clientPath());
}

bool DBusSkypeTransport::isConnected() const
{
    return m_exported && m_bus.isConnected();
}

void DBusSkypeTransport::setHandlers(Handlers handlers)
{
    m_handlers = std::move(handlers);
}

bool DBusSkypeTransport::postDiscover()
{
    if (!isConnected())
        return false;
    // The link thread posts this; the call and its watcher belong to our own thread.
    QMetaObject::invokeMethod(this, &DBusSkypeTransport::startDiscover, Qt::QueuedConnection);
    return true;
}

SendResult DBusSkypeTransport::send(const SkypeEndpoint& to, const QByteArray& command)
{
    if (to.isEmpty() || !m_bus.isConnected())
        return {SendResult::Failed, {}};
    const QByteArray text = beforeFirstNul(command);
    if (text.isEmpty())
        return {SendResult::Delivered, {}};
    // Blocking without an event loop, so no line is handled re-entrantly inside send().
    const QDBusMessage answer =
        m_bus.call(invokeCall(to, QString::fromUtf8(text)), QDBus::Block, SendTimeoutMs);
    if (answer.type() == QDBusMessage::ReplyMessage) {
        queueReply(to, answer);
        return {SendResult::Delivered, {}};
    }
    // An error the client sent itself (the daemon's and the local time-out's carry another
    // sender): it is alive and took the command.
    if (answer.type() == QDBusMessage::ErrorMessage && answer.service() == to)
        return {SendResult::DeliveredWithError, answer.errorName() + u": " + answer.errorMessage()};
    // A peer that gives no answer yet still owns the name has stalled rather than gone.
    return {currentApiOwner() == to ? SendResult::Stalled : SendResult::Failed, {}};
}

void DBusSkypeTransport::queueReply(const SkypeEndpoint& from, const QDBusMessage& answer)
{
    const QString reply = answer.arguments().value(0).toString();
    if (reply.isEmpty())
        return;
    QMetaObject::invokeMethod(
        this, [this, from, line = beforeFirstNul(reply.toUtf8())] { deliverReceived(from, line); },
        Qt::QueuedConnection);
}

int DBusSkypeTransport::attachStatusForAnswer(const QString& answer)
{
    const QString text = answer.trimmed();
    if (text == QLatin1String("OK"))
        return AttachSuccess;
    if (text == QLatin1String("ERROR 68") || text.startsWith(QLatin1String("ERROR 68 ")))
        return AttachRefused;
    return AttachNotAvailable;
}

void DBusSkypeTransport::startDiscover()
{
    const QDBusPendingCall call =
        m_bus.asyncCall(invokeCall(skypedbus::apiService(), appNameCommand()), NameTimeoutMs);
    auto* watcher = new QDBusPendingCallWatcher(call, this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, &DBusSkypeTransport::onNameAnswered);
    QTimer::singleShot(PendingAfterMs, watcher, [this, watcher] {
        if (!watcher->isFinished())
            reportPendingName();
    });
}

void DBusSkypeTransport::reportPendingName()
{
    const QString owner = currentApiOwner();
    if (!owner.isEmpty())
        deliverAttach(owner, AttachPendingAuthorization);
}

void DBusSkypeTransport::onNameAnswered(QDBusPendingCallWatcher* watcher)
{
    watcher->deleteLater();
    const QDBusMessage answer = watcher->reply();
    if (answer.type() == QDBusMessage::ReplyMessage) {
        const QVariant value = answer.arguments().value(0);
        const int status = value.metaType().id() == QMetaType::QString
                               ? attachStatusForAnswer(value.toString())
                               : int(AttachNotAvailable);
        const QString owner = ownerOfAnswer(answer);
        if (!owner.isEmpty())
            deliverAttach(owner, status);
        return;
    }
    if (isNoOwnerError(answer))
        return;
    // A time-out or a failure of a present owner: the API is there but not usable.
    const QString owner = ownerOfAnswer(answer);
    if (!owner.isEmpty())
        deliverAttach(owner, AttachNotAvailable);
}

void DBusSkypeTransport::onApiOwnerChanged(const QString& oldOwner, const QString& newOwner)
{
    // The bus knows when a client is gone, crashed or not; nothing waits for its PONG.
    if (!oldOwner.isEmpty() && m_handlers.gone)
        m_handlers.gone(oldOwner);
    if (!newOwner.isEmpty())
        deliverAttach(newOwner, AttachApiAvailable);
}

QString DBusSkypeTransport::currentApiOwner() const
{
    // Asked by hand rather than through interface(), whose object belongs to the main thread:
    // a failed send asks from whichever thread sent.
    QDBusMessage query = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetNameOwner"));
    query << skypedbus::apiService();
    const QDBusMessage owner = m_bus.call(query, QDBus::Block, OwnerQueryTimeoutMs);
    return owner.type() == QDBusMessage::ReplyMessage ? owner.arguments().value(0).toString()
                                                      : QString();
}

QString DBusSkypeTransport::ownerOfAnswer(const QDBusMessage& answer) const
{
    // Replies and errors that the owner sent carry its unique name; local time-outs do not.
    const QString sender = answer.service();
    return sender.startsWith(u':') ? sender : currentApiOwner();
}

void DBusSkypeTransport::deliverAttach(const SkypeEndpoint& from, int status)
{
    if (m_handlers.attach)
        m_handlers.attach(from, status);
}

void DBusSkypeTransport::deliverReceived(const SkypeEndpoint& from, const QByteArray& line)
{
    if (m_handlers.received)
        m_handlers.received(from, line);
}

} // namespace verbalink
