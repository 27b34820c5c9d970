// verbalink-xmpp against a real Prosody and a partner on slixmpp, each test with its own server,
// session bus and settings: certificates, messages both ways, order, a server restart, rooms.
#include "ClientProcess.h"
#include "EventWait.h"
#include "PrivateBus.h"
#include "ProsodyServer.h"
#include "TestProcess.h"
#include "VirtualDisplay.h"
#include "XmppPartner.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

std::ostream& operator<<(std::ostream& out, const QString& text)
{
    return out << text.toStdString();
}

namespace verbalink::testing {
namespace {

using namespace Qt::StringLiterals;

class XmppClientNetworkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QString error;
        ASSERT_TRUE(m_bus.start(error)) << error;
    }

    void startServer(ProsodyOptions options = {})
    {
        options.accounts = {u"alice:wonderland"_s, u"bob:builder"_s};
        options.roster = true;
        m_server = std::make_unique<ProsodyServer>(std::move(options));
        QString error;
        ASSERT_TRUE(m_server->start(error)) << error;
    }

    XmppPartner& bob()
    {
        if (!m_bob) {
            m_bob = std::make_unique<XmppPartner>();
            QString error;
            EXPECT_TRUE(m_bob->start(error)) << error;
            PartnerLogin login = PartnerLogin::to(*m_server, u"bob"_s);
            login.reconnect = true;
            const PartnerReply reply = m_bob->connect(login);
            EXPECT_TRUE(reply.ok) << reply.error << m_bob->log();
        }
        return *m_bob;
    }

    // Alice's client, with the server's address and anything else the test gives.
    ClientProcess& alice(const QStringList& more = {})
    {
        m_alice = std::make_unique<ClientProcess>(m_bus.address(), m_server->password(u"alice"_s));
        QStringList arguments{u"--jid"_s, m_server->jid(u"alice"_s), u"--server"_s,
                              u"127.0.0.1:%1"_s.arg(m_server->port())};
        if (!m_server->tls())
            arguments.append(u"--allow-plain"_s);
        QString error;
        EXPECT_TRUE(m_alice->start(arguments + more, error)) << error;
        return *m_alice;
    }

    void expectOnline(ClientProcess& client)
    {
        ASSERT_TRUE(client.waitForOutput(u"online"_s)) << client.errors() << m_server->log();
    }

    QString invoke(const QString& command)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(m_alice->uniqueName(), u"/com/Skype"_s,
                                                           u"com.Skype.API"_s, u"Invoke"_s);
        call << command;
        const QDBusMessage reply = m_bus.connect().call(call, QDBus::Block, 5000);
        return reply.arguments().value(0).toString();
    }

    // Bob's messages from Alice with this body.
    int received(const QString& body) const
    {
        int count = 0;
        for (const PartnerMessage& message : m_bob->messages())
            count += message.body == body ? 1 : 0;
        return count;
    }

    PrivateBus m_bus;
    std::unique_ptr<ProsodyServer> m_server;
    std::unique_ptr<XmppPartner> m_bob;
    std::unique_ptr<ClientProcess> m_alice;
};

TEST_F(XmppClientNetworkTest, ASelfSignedCertificateIsTrustedOnlyByItsPinnedFingerprint)
{
    startServer({.tls = ProsodyOptions::Tls::SelfSigned});
    const QString fingerprint = m_server->fingerprint().remove(u':').toLower();

    ClientProcess& refused = alice();
    const std::optional<QString> shown = refused.waitForOutput(u"refused "_s);
    ASSERT_TRUE(shown) << refused.errors();
    EXPECT_EQ(*shown, fingerprint);

    ClientProcess& pinned = alice({u"--trust-fingerprint"_s, m_server->fingerprint()});
    expectOnline(pinned);
    QString error;
    ASSERT_TRUE(m_server->replaceCertificate(error)) << error;
    // The client comes back after the restart, and the new certificate is not the pinned one.
    const std::optional<QString> changed = pinned.waitForOutput(u"refused "_s);
    ASSERT_TRUE(changed) << pinned.errors();
    EXPECT_EQ(*changed, m_server->fingerprint().remove(u':').toLower());
    EXPECT_NE(*changed, fingerprint);
}

TEST_F(XmppClientNetworkTest, MessagesGoOutOnceInOrderAndComeBackAsReceived)
{
    startServer();
    XmppPartner& partner = bob();
    ClientProcess& client = alice();
    expectOnline(client);
    const QString bobJid = m_server->jid(u"bob"_s);

    client.directive(u"type %1 Hello, how are you? (flag:es)"_s.arg(bobJid));
    for (int i = 1; i <= 10; ++i)
        client.directive(u"type %1 message %2"_s.arg(bobJid).arg(i));
    ASSERT_TRUE(partner.waitForMessage([](const PartnerMessage& m) {
        return m.body == u"message 10"_s;
    })) << partner.log()
        << client.errors();
    QStringList order;
    for (const PartnerMessage& message : partner.messages())
        order.append(message.body);
    QStringList expected{u"Hello, how are you? \U0001F1EA\U0001F1F8"_s};
    for (int i = 1; i <= 10; ++i)
        expected.append(u"message %1"_s.arg(i));
    EXPECT_EQ(order, expected);
    // The server's acknowledgement makes them SENT; the partner's receipt shows as delivered.
    EXPECT_TRUE(client.waitForMessageLine([](const QString& l) {
        return l == u"STATUS 11 SENT"_s;
    })) << client.errors();
    EXPECT_TRUE(client.waitForMessageLine([](const QString& l) { return l == u"DELIVERED 11"_s; }));

    const PartnerReply sentByBob =
        partner.send({.to = m_server->jid(u"alice"_s), .body = u"¡Muy bien!"_s, .lang = u"es"_s});
    ASSERT_TRUE(sentByBob.ok);
    const std::optional<QString> line = client.waitForMessageLine(
        [](const QString& l) { return l.startsWith(u"NEW 12 received "_s); });
    ASSERT_TRUE(line) << client.errors();
    EXPECT_TRUE(line->endsWith(u" bob@localhost ¡Muy bien!"_s)) << *line;
    EXPECT_EQ(invoke(u"GET USER bob@localhost LANGUAGE"_s),
              u"USER bob@localhost LANGUAGE es Spanish"_s);
    EXPECT_EQ(invoke(u"GET GROUP 12 USERS"_s), u"GROUP 12 USERS bob@localhost"_s);
    EXPECT_EQ(invoke(u"GET CALL 1 STATUS"_s), u"ERROR 11 Invalid call id"_s);

    // Bob corrects himself: the message changes where it is, no second one arrives.
    ASSERT_TRUE(partner
                    .correct({.to = m_server->jid(u"alice"_s), .body = u"¡Muy bien, gracias!"_s},
                             sentByBob.text(u"messageId"_s))
                    .ok);
    EXPECT_TRUE(client.waitForMessageLine([](const QString& l) {
        return l == u"EDITED 12 ¡Muy bien, gracias!"_s;
    })) << client.errors();
    EXPECT_EQ(invoke(u"GET CHATMESSAGE 12 BODY"_s), u"CHATMESSAGE 12 BODY ¡Muy bien, gracias!"_s);
    EXPECT_EQ(client.messageLines().filter(u" received "_s).size(), 1);
}

TEST_F(XmppClientNetworkTest, MessagesTypedWhileTheServerIsDownArriveOnceInOrder)
{
    startServer();
    XmppPartner& partner = bob();
    ClientProcess& client = alice();
    expectOnline(client);
    const QString bobJid = m_server->jid(u"bob"_s);
    client.directive(u"type %1 before"_s.arg(bobJid));
    ASSERT_TRUE(
        partner.waitForMessage([](const PartnerMessage& m) { return m.body == u"before"_s; }));
    // A message the server has not acknowledged may have been lost with it, so the client sends
    // it again after the restart; only an acknowledged one must not come twice.
    ASSERT_TRUE(client.waitForMessageLine(
        [](const QString& l) { return l.startsWith(u"STATUS "_s) && l.endsWith(u" SENT"_s); }));

    m_server->stop();
    for (int i = 1; i <= 5; ++i)
        client.directive(u"type %1 while down %2"_s.arg(bobJid).arg(i));
    QString error;
    ASSERT_TRUE(m_server->start(error)) << error;
    ASSERT_TRUE(client.waitForOutput(u"online"_s)) << client.errors();
    client.directive(u"type %1 after"_s.arg(bobJid));
    ASSERT_TRUE(partner.waitForMessage([](const PartnerMessage& m) {
        return m.body == u"after"_s;
    })) << partner.log()
        << client.errors();
    QStringList order;
    for (const PartnerMessage& message : partner.messages())
        order.append(message.body);
    EXPECT_EQ(order,
              (QStringList{u"before"_s, u"while down 1"_s, u"while down 2"_s, u"while down 3"_s,
                           u"while down 4"_s, u"while down 5"_s, u"after"_s}));
}

TEST_F(XmppClientNetworkTest, AGroupChatCarriesMessagesBothWaysWithItsOccupantsAsMembers)
{
    startServer();
    XmppPartner& partner = bob();
    const QString room = u"lounge@"_s + m_server->mucDomain();
    ASSERT_TRUE(partner.join(room, u"Bob"_s).ok) << partner.log();
    ClientProcess& client = alice({u"--room"_s, room, u"--nick"_s, u"Alice"_s});
    expectOnline(client);
    ASSERT_TRUE(partner.waitForOccupant([](const PartnerOccupant& o) {
        return o.nick == u"Alice"_s && o.joined;
    })) << partner.log()
        << client.errors();

    client.directive(u"type-room %1 Hi Bob"_s.arg(room));
    ASSERT_TRUE(partner.waitForMessage([](const PartnerMessage& m) {
        return m.type == u"groupchat"_s && m.body == u"Hi Bob"_s;
    })) << partner.log()
        << client.errors();
    ASSERT_TRUE(partner.send({.to = room, .body = u"Hola a todos"_s, .type = u"groupchat"_s}).ok);
    const std::optional<QString> line = client.waitForMessageLine([](const QString& l) {
        return l.contains(u" received "_s) && l.endsWith(u"Hola a todos"_s);
    });
    ASSERT_TRUE(line) << client.errors();
    // The room hides real JIDs, so Bob is known by his nick in the room.
    const QString chat = line->section(u' ', 3, 3);
    EXPECT_EQ(line->section(u' ', 4, 4), u"Bob~"_s + room);
    EXPECT_EQ(invoke(u"GET CHAT "_s + chat + u" MEMBERS"_s),
              u"CHAT "_s + chat + u" MEMBERS alice@localhost Bob~"_s + room);
    // The room's copy of Alice's own message is not reported as received.
    for (const QString& message : client.messageLines())
        EXPECT_FALSE(message.contains(u"received"_s) && message.endsWith(u"Hi Bob"_s)) << message;
}

TEST_F(XmppClientNetworkTest, TheFirstStartAsksForTheAccountAndAsksAgainWithoutASecretStore)
{
    startServer();
    VirtualDisplay display;
    QString error;
    ASSERT_TRUE(display.start(error)) << error;
    m_alice = std::make_unique<ClientProcess>(m_bus.address(), QString());
    m_alice->setEnvironment(u"DISPLAY"_s, display.name());
    m_alice->setEnvironment(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
    const QString server = u"127.0.0.1:%1"_s.arg(m_server->port());
    // The test's bus has no secret store: the dialog is all there is.
    ASSERT_TRUE(m_alice->start({u"--window"_s}, error, false)) << error;
    ASSERT_TRUE(m_alice->waitForOutput(u"account dialog"_s)) << m_alice->errors();
    ASSERT_TRUE(display.focusWindowNamed(u"XMPP account"_s));
    ASSERT_TRUE(display.type(m_server->jid(u"alice"_s)));
    ASSERT_TRUE(display.press(u"Tab"_s));
    ASSERT_TRUE(display.type(m_server->password(u"alice"_s)));
    ASSERT_TRUE(display.press(u"Tab"_s));
    ASSERT_TRUE(display.type(server));
    ASSERT_TRUE(display.press(u"Tab"_s));
    ASSERT_TRUE(display.press(u"space"_s)); // without TLS: the server is this machine's
    ASSERT_TRUE(display.press(u"Return"_s));
    ASSERT_TRUE(m_alice->waitForOutput(u"online"_s)) << m_alice->errors();

    // The account is kept for the next start, the password is not (nowhere to keep it).
    QFile settings(m_alice->configFolder() + u"/Verbalink/xmpp.conf"_s);
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    const QString kept = QString::fromUtf8(settings.readAll());
    EXPECT_TRUE(kept.contains(m_server->jid(u"alice"_s))) << kept;
    EXPECT_TRUE(kept.contains(server)) << kept;
    EXPECT_FALSE(kept.contains(m_server->password(u"alice"_s))) << kept;
    m_alice->stop();
    ASSERT_TRUE(m_alice->start({u"--window"_s}, error, false)) << error;
    EXPECT_TRUE(m_alice->waitForOutput(u"account dialog"_s)) << m_alice->errors();
}

TEST_F(XmppClientNetworkTest, ANewPhotoInBobsPresenceBringsHisNewPicture)
{
    startServer();
    XmppPartner& partner = bob();
    expectOnline(alice());
    QTemporaryDir folder;
    // The main colour of the picture the program gets for Bob; invalid while there is none.
    const auto pictureColour = [&] {
        const QString path = folder.filePath(u"bob.jpg"_s);
        QFile::remove(path);
        if (!invoke(u"GET USER bob@localhost AVATAR 1 "_s + path).startsWith(u"USER"_s))
            return QColor();
        const QImage picture(path);
        return picture.isNull() ? QColor() : picture.pixelColor(picture.rect().center());
    };
    const auto publish = [&](Qt::GlobalColor colour, const QString& name) {
        QImage photo(48, 48, QImage::Format_RGB32);
        photo.fill(colour);
        const QString path = folder.filePath(name);
        ASSERT_TRUE(photo.save(path, "JPEG"));
        ASSERT_TRUE(partner.publishVcard(u"Bob Builder"_s, path).ok) << partner.log();
    };
    const auto near = [](const QColor& a, const QColor& b) {
        return a.isValid() && std::abs(a.red() - b.red()) < 40 &&
               std::abs(a.green() - b.green()) < 40 && std::abs(a.blue() - b.blue()) < 40;
    };
    publish(Qt::red, u"red.jpg"_s);
    EXPECT_TRUE(waitUntil([&] { return near(pictureColour(), Qt::red); }, 30000))
        << m_alice->errors();
    publish(Qt::blue, u"blue.jpg"_s);
    EXPECT_TRUE(waitUntil([&] { return near(pictureColour(), Qt::blue); }, 30000))
        << m_alice->errors();
}

// A DNS server of the test's own (srv_server.py) with these SRV records for every name asked.
class SrvServer {
public:
    bool start(const QStringList& records, QString& error)
    {
        if (!m_process.start(u"/usr/bin/python3"_s,
                             QStringList{QStringLiteral(SRV_SERVER_SCRIPT)} + records,
                             m_errors.filePath(u"srv.log"_s), error))
            return false;
        const std::optional<QByteArray> line = m_process.readLine(QDeadlineTimer(10000));
        if (line && line->startsWith("listening "))
            m_port = line->mid(10).toInt();
        if (m_port == 0)
            error = u"the DNS server did not start"_s;
        return m_port != 0;
    }
    QString address() const { return u"127.0.0.1:%1"_s.arg(m_port); }
    // The next query it answered, "name type".
    QByteArray nextQuery()
    {
        const std::optional<QByteArray> line = m_process.readLine(QDeadlineTimer(30000));
        return line ? line->mid(6) : QByteArray();
    }

private:
    QTemporaryDir m_errors;
    TestProcess m_process;
    int m_port = 0;
};

// Without --server: the domain's SRV records in their order (the first target takes no
// connections), or with none the domain itself on the standard port.
TEST_F(XmppClientNetworkTest, WithoutAServerTheDomainsSrvRecordsOrTheDomainItselfAreTried)
{
    startServer();
    const int closed = m_server->port() + 1;
    struct Row {
        QStringList records;
        QString expected;
    } const rows[] = {
        {{u"20 0 localhost %1"_s.arg(m_server->port()), u"10 0 localhost %1"_s.arg(closed)},
         u"online"_s},
        {{}, u"localhost:5222"_s},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.records.join(u", "_s).toStdString());
        SrvServer dns;
        QString error;
        ASSERT_TRUE(dns.start(row.records, error)) << error;
        ClientProcess client(m_bus.address(), m_server->password(u"alice"_s));
        client.setEnvironment(u"VERBALINK_XMPP_DNS"_s, dns.address());
        ASSERT_TRUE(
            client.start({u"--jid"_s, m_server->jid(u"alice"_s), u"--allow-plain"_s}, error))
            << error;
        EXPECT_EQ(dns.nextQuery(), "_xmpp-client._tcp.localhost 33");
        if (row.records.isEmpty()) {
            EXPECT_TRUE(client.waitForLog(u"Cannot reach the server: "_s + row.expected))
                << client.errors();
        } else {
            EXPECT_TRUE(client.waitForOutput(row.expected)) << client.errors();
            EXPECT_TRUE(client.errors().contains(
                u"Skipped what did not answer: localhost:%1"_s.arg(closed)))
                << client.errors();
        }
        client.stop();
    }
}

} // namespace
} // namespace verbalink::testing
