#pragma once

#include "PartnerEvents.h"
#include "PartnerLogin.h"
#include "TestProcess.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <chrono>
#include <functional>
#include <optional>

namespace verbalink::testing {

// A message the partner sends; `id` empty: a new one.
struct PartnerOutgoing {
    QString to{};
    QString body{};
    QString type = QStringLiteral("chat");
    QString id{};
    QString lang{};
    bool requestReceipt = false;
};

// The answer to one command.
struct PartnerReply {
    bool ok = false;
    QString error{};
    QJsonObject fields;

    QString text(const QString& key) const { return fields.value(key).toString(); }
    QStringList texts(const QString& key) const;
    bool flag(const QString& key) const { return fields.value(key).toBool(); }
};

// The other person of a conversation: one XMPP account on slixmpp (xmpp_partner.py beside this
// file), driven over its standard input with one JSON command a line. Commands wait for their
// answer; everything the account receives is kept, in order, and read with the waits, which
// search what arrived so far first. The script ends with the destructor or the test process.
class XmppPartner {
public:
    static constexpr std::chrono::milliseconds kWait = std::chrono::seconds(30);

    XmppPartner() = default;
    XmppPartner(const XmppPartner&) = delete;
    XmppPartner& operator=(const XmppPartner&) = delete;
    ~XmppPartner();

    // Starts the script (not yet connected).
    bool start(QString& error);

    // Logs in and returns once the session runs (presence sent, roster fetched); reply "jid".
    PartnerReply connect(const PartnerLogin& login);
    PartnerReply disconnect();
    // Reply "messageId".
    PartnerReply send(const PartnerOutgoing& message);
    // A correction of message `replacesId`: the new body under a new id (message.id, or made).
    PartnerReply correct(const PartnerOutgoing& message, const QString& replacesId);
    // Joins room@service as nick and returns once in the room; reply "created", "owner". With
    // `publicJids` the owner (the partner that created the room) sets who sees real JIDs:
    // every occupant (true) or moderators only (false).
    PartnerReply join(const QString& room, const QString& nick,
                      std::optional<bool> publicJids = std::nullopt);
    PartnerReply leave(const QString& room, const QString& nick);
    // Publishes a vCard with the name and the photo file (XEP-0054) and announces the photo's
    // hash in presence (XEP-0153); reply "photoHash".
    PartnerReply publishVcard(const QString& fullName, const QString& photoFile,
                              const QString& photoType = QStringLiteral("image/jpeg"));
    // Asks `jid` for a presence subscription.
    PartnerReply subscribe(const QString& jid);
    // The vCard of a bare JID as the server keeps it; reply "fullName", "photoType", "photoHash"
    // (SHA-1 hex of the photo, as in presence).
    PartnerReply vcardOf(const QString& jid);
    // The disco#info features of a JID (a full JID for a client); reply "features".
    PartnerReply featuresOf(const QString& jid);

    // The first event (by name, e.g. "message", "receipt", "occupant", "presence", "subscribe",
    // "online", "disconnected", "tls-refused", "message-error") that matches, waiting for it if
    // none did yet.
    std::optional<QJsonObject> waitForEvent(const QString& name,
                                            const std::function<bool(const QJsonObject&)>& match,
                                            std::chrono::milliseconds timeout = kWait);
    std::optional<PartnerMessage>
    waitForMessage(const std::function<bool(const PartnerMessage&)>& match,
                   std::chrono::milliseconds timeout = kWait);
    std::optional<PartnerReceipt>
    waitForReceipt(const std::function<bool(const PartnerReceipt&)>& match,
                   std::chrono::milliseconds timeout = kWait);
    std::optional<PartnerOccupant>
    waitForOccupant(const std::function<bool(const PartnerOccupant&)>& match,
                    std::chrono::milliseconds timeout = kWait);

    // Everything of one kind received so far, in order.
    QList<QJsonObject> events(const QString& name) const;
    QList<PartnerMessage> messages() const;
    // The full JID of the running session; empty when not connected.
    QString jid() const { return m_jid; }
    // What the script wrote on its standard error.
    QString log() const;

private:
    PartnerReply command(QJsonObject command, std::chrono::milliseconds timeout = kWait);
    // Reads one line within the deadline into the events or as the reply; false on timeout.
    bool readOne(QDeadlineTimer deadline, std::optional<PartnerReply>& reply, int awaited);
    void keep(const QJsonObject& event);

    QTemporaryDir m_folder;
    TestProcess m_script;
    QList<QJsonObject> m_events;
    QString m_jid;
    int m_nextId = 1;
};

} // namespace verbalink::testing
