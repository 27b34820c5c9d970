#pragma once

#include "skype/SkypeTransport.h"

#include <QDBusConnection>
#include <QObject>

class QDBusMessage;
class QDBusPendingCallWatcher;

namespace verbalink {

class DBusNotifyReceiver;

// The chat client's text protocol carried over D-Bus: the client owns com.Skype.API and
// answers Invoke(s); we export /com/Skype/Client and receive its Notify(s). Endpoints are
// unique bus names. Events arrive on the thread that owns this object.
class DBusSkypeTransport : public QObject, public SkypeTransport {
    Q_OBJECT

public:
    // A NAME request unanswered this long is reported as pending authorization.
    static constexpr int PendingAfterMs = 1000;
    // How long a NAME request may wait for the user to decide in the chat client.
    static constexpr int NameTimeoutMs = 100000;
    static constexpr int SendTimeoutMs = 4000;
    // The bus daemon answers this at once; the limit only guards against a daemon in trouble.
    static constexpr int OwnerQueryTimeoutMs = 1000;

    // On the session bus.
    explicit DBusSkypeTransport(QObject* parent = nullptr);
    // On a given connection (a private bus in tests).
    explicit DBusSkypeTransport(const QDBusConnection& bus, QObject* parent = nullptr);
    ~DBusSkypeTransport() override;

    // The bus is connected and /com/Skype/Client is exported.
    bool isConnected() const;

    void setHandlers(Handlers handlers) override;
    bool postDiscover() override;
    // A D-Bus error that the client itself answers with is a delivered command without a reply
    // line; a time-out from a peer that still owns com.Skype.API is a stall.
    SendResult send(const SkypeEndpoint& to, const QByteArray& command) override;

    // The attach status that a NAME answer stands for.
    static int attachStatusForAnswer(const QString& answer);

private:
    void startDiscover();
    void reportPendingName();
    void onNameAnswered(QDBusPendingCallWatcher* watcher);
    void onApiOwnerChanged(const QString& oldOwner, const QString& newOwner);
    void queueReply(const SkypeEndpoint& from, const QDBusMessage& answer);
    // The unique name owning com.Skype.API now, asked from any thread; empty for nobody.
    QString currentApiOwner() const;
    QString ownerOfAnswer(const QDBusMessage& answer) const;
    void deliverAttach(const SkypeEndpoint& from, int status);
    void deliverReceived(const SkypeEndpoint& from, const QByteArray& line);

    QDBusConnection m_bus;
    DBusNotifyReceiver* m_receiver = nullptr;
    bool m_exported = false;
    Handlers m_handlers;
};

} // namespace verbalink
