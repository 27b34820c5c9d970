#include "XmppConnection.h"

#include "CertificateTrust.h"
#include "CorrectionSupport.h"
#include "HandedSocketConnection.h"
#include "MessageCorrection.h"
#include "PeerCertificateTls.h"
#include "RoomBridge.h"
#include "RosterBridge.h"
#include "SocketDialer.h"
#include "StanzaTapClient.h"
#include "XmppWorld.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>
#include <cstdio>
#include <gloox/carbons.h>
#include <gloox/disco.h>
#include <gloox/iq.h>
#include <gloox/message.h>
#include <gloox/receipt.h>
#include <gloox/rostermanager.h>
#include <gloox/tag.h>
#include <gloox/vcardmanager.h>

using namespace Qt::StringLiterals;

namespace verbalink::xmpp {

namespace {

constexpr int MaxBackoffMs = 60 * 1000;
const std::string ReceiptsNs = "urn:xmpp:receipts";
const std::string StreamManagementNs = "urn:xmpp:sm:3";
const std::string PhotoUpdateNs = "vcard-temp:x:update";

std::string utf8(const QString& text)
{
    return text.toStdString();
}

QString text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

} // namespace

XmppConnection::XmppConnection(XmppAccount account, QString password, QString language,
                               QObject* parent)
    : QObject(parent), m_account(std::move(account)), m_password(std::move(password)),
      m_language(language.isEmpty() ? u"en"_s : std::move(language))
{
    makeClient();
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &XmppConnection::dial);
}

XmppConnection::~XmppConnection()
{
    dropClient();
}

// The client and everything registered with it; made again when a session cannot be resumed,
// since gloox then neither resumes nor starts a new one.
void XmppConnection::makeClient()
{
    m_client = std::make_unique<StanzaTapClient>(gloox::JID(utf8(m_account.jid)), utf8(m_password),
                                                 [this](const gloox::Tag& tag) { tapped(tag); });
    m_client->setServer(utf8(m_account.host()));
    m_client->setPort(m_account.port());
    m_client->setXmlLang(utf8(m_language));
    m_client->setCompression(false);
    m_client->setTls(m_account.allowPlain ? gloox::TLSDisabled : gloox::TLSRequired);
    m_client->setStreamManagement(true, true);
    m_connection = new HandedSocketConnection(m_client.get(), m_client->logInstance());
    m_client->setConnectionImpl(m_connection);
    m_tls = nullptr;
    if (!m_account.allowPlain) {
        m_tls = new PeerCertificateTls(m_client.get(), utf8(m_account.jid.section(u'@', 1)));
        m_tls->init();
        m_client->setEncryptionImpl(m_tls);
    }
    m_client->registerConnectionListener(this);
    const bool debug = qEnvironmentVariableIsSet("VERBALINK_XMPP_DEBUG");
    m_client->logInstance().registerLogHandler(
        debug ? gloox::LogLevelDebug : gloox::LogLevelWarning, gloox::LogAreaAll, this);
    m_client->disco()->setIdentity("client", "pc", "verbalink-xmpp");
    m_client->disco()->addFeature(MessageCorrection::ns());
    m_client->disco()->addFeature(ReceiptsNs);
    m_cards = std::make_unique<gloox::VCardManager>(m_client.get());
    m_corrections = std::make_unique<CorrectionSupport>(*m_client->disco());
    if (m_world)
        attachWorld();
}

void XmppConnection::dropClient()
{
    if (m_notifier) {
        m_notifier->setEnabled(false);
        m_notifier->deleteLater();
        m_notifier = nullptr;
    }
    m_rooms.clear();
    m_roster.reset();
    m_client->removeConnectionListener(this);
    m_client->disconnect();
    m_corrections.reset();
    m_cards.reset();
    m_client.reset();
}

void XmppConnection::setWorld(XmppWorld& world)
{
    m_world = &world;
    attachWorld();
}

void XmppConnection::attachWorld()
{
    m_roster = std::make_unique<RosterBridge>(*m_world, *m_client->rosterManager(), *m_cards,
                                              *m_corrections);
    m_client->rosterManager()->registerRosterListener(m_roster.get(), false);
    for (const QString& room : std::as_const(m_account.rooms))
        m_rooms.push_back(
            std::make_unique<RoomBridge>(*m_world, *m_client, room, m_account.roomNick()));
}

void XmppConnection::start()
{
    dial();
}

// DNS and connect block: they run on a worker, and the socket comes back to this thread.
void XmppConnection::dial()
{
    if (m_dialing || m_online)
        return;
    m_dialing = true;
    Q_EMIT statusChanged(
        m_account.server.isEmpty()
            ? u"Connecting to %1\u2026"_s.arg(m_account.host())
            : u"Connecting to %1:%2\u2026"_s.arg(m_account.host()).arg(m_account.port()));
    auto* watcher = new QFutureWatcher<SocketDialer::Result>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] {
        const SocketDialer::Result result = watcher->result();
        watcher->deleteLater();
        dialed(result.socket, result.error);
    });
    if (m_account.server.isEmpty())
        watcher->setFuture(QtConcurrent::run(&SocketDialer::dialDomain, m_account.host()));
    else
        watcher->setFuture(
            QtConcurrent::run(&SocketDialer::dial, m_account.host(), m_account.port()));
}

void XmppConnection::dialed(int socket, const QString& error)
{
    m_dialing = false;
    if (socket < 0) {
        retryLater(u"Cannot reach the server: "_s + error);
        return;
    }
    if (!error.isEmpty())
        Q_EMIT statusChanged(u"Skipped what did not answer: "_s + error);
    m_refused = false;
    m_connection->handOver(socket);
    m_notifier = new QSocketNotifier(socket, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &XmppConnection::readSocket);
    Q_EMIT statusChanged(u"Logging in as %1\u2026"_s.arg(m_account.jid));
    m_client->connect(false);
}

void XmppConnection::readSocket()
{
    m_client->recv(0);
}

QString XmppConnection::send(const OutgoingMessage& message)
{
    const QString stanzaId = u"vl%1-%2"_s.arg(QString::number(quintptr(this), 36)).arg(m_nextId++);
    if (!m_online) {
        // Kept for the next session, as if the stream had lost it.
        m_unacknowledged.append({stanzaId, -1, message});
        return stanzaId;
    }
    transmit(message, stanzaId);
    return stanzaId;
}

bool XmppConnection::supportsCorrection(const QString& bareJid) const
{
    return m_corrections->supports(bareJid);
}

QString XmppConnection::transmit(const OutgoingMessage& message, const QString& stanzaId)
{
    gloox::Message stanza(message.toRoom ? gloox::Message::Groupchat : gloox::Message::Chat,
                          gloox::JID(utf8(message.to)), utf8(message.body), std::string(),
                          std::string(), utf8(message.lang));
    stanza.setID(utf8(stanzaId));
    if (!message.replaces.isEmpty())
        stanza.addExtension(new MessageCorrection(utf8(message.replaces)));
    if (!message.toRoom)
        stanza.addExtension(new gloox::Receipt(gloox::Receipt::Request));
    m_client->send(stanza);
    if (m_streamManaged) {
        m_unacknowledged.append({stanzaId, m_client->stanzasCounted(), message});
        m_client->reqStreamManagement();
    } else {
        // Nothing will acknowledge it: it went, after the SENDING that the caller reports.
        QTimer::singleShot(0, this, [this, stanzaId] {
            if (m_world)
                m_world->acknowledged(stanzaId);
        });
    }
    return stanzaId;
}

void XmppConnection::onConnect()
{
    sessionStarted(false);
}

void XmppConnection::sessionStarted(bool resumed)
{
    if (m_online)
        return;
    m_online = true;
    m_backoffMs = 1000;
    Q_EMIT statusChanged(u"Online as %1"_s.arg(m_account.jid));
    if (!resumed) {
        gloox::IQ carbons(gloox::IQ::Set, gloox::JID());
        carbons.addExtension(new gloox::Carbons(gloox::Carbons::Enable));
        m_client->send(carbons);
        joinRooms();
        // A new session: what the last one did not acknowledge may not have arrived. A resumed
        // one sends those again itself.
        const QList<Unacknowledged> again = std::exchange(m_unacknowledged, {});
        for (const Unacknowledged& pending : again)
            transmit(pending.message, pending.stanzaId);
    }
    if (m_world)
        m_world->setOnline(true);
    Q_EMIT onlineChanged(true);
}

void XmppConnection::onDisconnect(gloox::ConnectionError error)
{
    const bool wasOnline = m_online;
    m_online = false;
    m_streamManaged = false;
    if (m_notifier) {
        m_notifier->setEnabled(false);
        m_notifier->deleteLater();
        m_notifier = nullptr;
    }
    if (m_world)
        m_world->setOnline(false);
    if (wasOnline)
        Q_EMIT onlineChanged(false);
    if (m_refused)
        return;
    if (m_renew) {
        // Not from within the client's own callback.
        QTimer::singleShot(0, this, [this] {
            m_renew = false;
            dropClient();
            makeClient();
            dial();
        });
        return;
    }
    if (error == gloox::ConnAuthenticationFailed) {
        Q_EMIT statusChanged(
            u"Login refused for %1: check the JID and password"_s.arg(m_account.jid));
        return;
    }
    if (error == gloox::ConnTlsNotAvailable) {
        Q_EMIT statusChanged(u"The server offers no TLS; the account requires it"_s);
        return;
    }
    retryLater(wasOnline ? u"Connection lost"_s : u"Could not log in (%1)"_s.arg(int(error)));
}

bool XmppConnection::onTLSConnect(const gloox::CertInfo&)
{
    const QString fingerprint = m_tls ? m_tls->peerFingerprint() : QString();
    const CertificateTrust::Verdict verdict = CertificateTrust::decide(
        m_tls && m_tls->systemTrusted(), fingerprint, m_account.trustedFingerprint);
    if (verdict != CertificateTrust::Verdict::Refused)
        return true;
    m_refused = true;
    const QString readable = CertificateTrust::readable(fingerprint);
    report(u"refused the server's certificate, SHA-256 "_s + readable);
    Q_EMIT statusChanged(u"The server's certificate is not trusted (SHA-256 %1)"_s.arg(readable));
    Q_EMIT certificateRefused(fingerprint);
    return false;
}

void XmppConnection::onStreamEvent(gloox::StreamEvent event)
{
    if (event == gloox::StreamEventSMEnable) {
        m_streamManaged = true;
    } else if (event == gloox::StreamEventSMResumed) {
        m_streamManaged = true;
        sessionStarted(true);
    } else if (event == gloox::StreamEventSMEnableFailed) {
        m_streamManaged = false;
    } else if (event == gloox::StreamEventSMResumeFailed) {
        // The server forgot the session (it restarted): start a new one with a new client.
        m_streamManaged = false;
        m_renew = true;
        QTimer::singleShot(0, this, [this] {
            if (m_client)
                m_client->disconnect();
        });
    }
}

void XmppConnection::handleLog(gloox::LogLevel, gloox::LogArea, const std::string& message)
{
    report(u"gloox: "_s + text(message));
}

void XmppConnection::tapped(const gloox::Tag& tag)
{
    if (tag.name() == "a" && tag.xmlns() == StreamManagementNs) {
        acknowledgedUpTo(QByteArray::fromStdString(tag.findAttribute("h")).toInt());
        return;
    }
    if (tag.name() == "presence") {
        photoAnnounced(tag);
        return;
    }
    if (tag.name() != "message" || !m_world)
        return;
    if (const gloox::Tag* receipt = tag.findChild("received", "xmlns", ReceiptsNs))
        m_world->delivered(text(receipt->findAttribute("id")));
    if (!tag.findChild("body") && !tag.findChild("sent") && !tag.findChild("received"))
        return;
    if (tag.findChild("request", "xmlns", ReceiptsNs) && tag.findAttribute("type") != "groupchat")
        answerReceipt(tag);
    m_world->stanzaReceived(tag);
}

void XmppConnection::photoAnnounced(const gloox::Tag& presence)
{
    const gloox::Tag* update = presence.findChild("x", "xmlns", PhotoUpdateNs);
    const gloox::Tag* photo = update ? update->findChild("photo") : nullptr;
    if (!photo || !m_roster || presence.findAttribute("type") == "unavailable")
        return;
    const QString from = text(gloox::JID(presence.findAttribute("from")).bare());
    m_roster->photoAnnounced(from, text(photo->cdata()));
}

void XmppConnection::acknowledgedUpTo(int handled)
{
    while (!m_unacknowledged.isEmpty() && m_unacknowledged.first().sequence >= 0 &&
           m_unacknowledged.first().sequence <= handled) {
        const QString stanzaId = m_unacknowledged.takeFirst().stanzaId;
        if (m_world)
            m_world->acknowledged(stanzaId);
    }
}

void XmppConnection::retryLater(const QString& why)
{
    Q_EMIT statusChanged(u"%1 \u2014 trying again in %2 s"_s.arg(why).arg(m_backoffMs / 1000));
    report(why);
    m_retry.start(m_backoffMs);
    m_backoffMs = std::min(2 * m_backoffMs, MaxBackoffMs);
}

void XmppConnection::joinRooms()
{
    for (const std::unique_ptr<RoomBridge>& room : m_rooms)
        room->join();
}

void XmppConnection::answerReceipt(const gloox::Tag& stanza)
{
    const std::string& id = stanza.findAttribute("id");
    if (id.empty())
        return;
    gloox::Message receipt(gloox::Message::Normal, gloox::JID(stanza.findAttribute("from")));
    receipt.addExtension(new gloox::Receipt(gloox::Receipt::Received, id));
    m_client->send(receipt);
}

void XmppConnection::report(const QString& line) const
{
    if (m_verbose)
        std::fprintf(stderr, "verbalink-xmpp: %s\n", qUtf8Printable(line));
}

} // namespace verbalink::xmpp
