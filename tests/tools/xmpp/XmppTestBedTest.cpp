// The test bed on its own: a private Prosody, partners on slixmpp talking through it, TLS pinned
// by fingerprint, a restart, and nothing left running afterwards.
#include "ProsodyServer.h"
#include "XmppPartner.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

// Failure messages with Qt strings (found by argument-dependent lookup: QString is global).
std::ostream& operator<<(std::ostream& out, const QString& text)
{
    return out << text.toStdString();
}

namespace verbalink::testing {
namespace {

using namespace Qt::StringLiterals;

bool processGone(qint64 pid)
{
    // A process that is gone or only waits to be reaped.
    QFile stat(u"/proc/%1/stat"_s.arg(pid));
    return !stat.open(QIODevice::ReadOnly) || stat.readAll().contains(") Z ");
}

bool waitUntilGone(qint64 pid)
{
    const QDeadlineTimer deadline(std::chrono::seconds(30));
    while (!processGone(pid)) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(20);
    }
    return true;
}

class XmppTestBedTest : public ::testing::Test {
protected:
    void startServer(ProsodyOptions options)
    {
        if (options.accounts.isEmpty())
            options.accounts = {u"alice:wonderland"_s, u"bob:builder"_s};
        m_server = std::make_unique<ProsodyServer>(std::move(options));
        QString error;
        ASSERT_TRUE(m_server->start(error)) << error;
    }

    // A partner whose script runs, not yet logged in.
    XmppPartner& idlePartner()
    {
        auto& partner = *m_partners.emplace_back(std::make_unique<XmppPartner>());
        QString error;
        EXPECT_TRUE(partner.start(error)) << error;
        return partner;
    }

    // A partner logged in as `user` with the server's own TLS settings, changed by `adjust`.
    XmppPartner& partner(const QString& user, const std::function<void(PartnerLogin&)>& adjust = {})
    {
        XmppPartner& partner = idlePartner();
        PartnerLogin login = PartnerLogin::to(*m_server, user);
        if (adjust)
            adjust(login);
        const PartnerReply reply = partner.connect(login);
        EXPECT_TRUE(reply.ok) << reply.error << "\n" << partner.log() << m_server->log();
        return partner;
    }

    std::unique_ptr<ProsodyServer> m_server;
    std::vector<std::unique_ptr<XmppPartner>> m_partners;
};

TEST_F(XmppTestBedTest, PartnersTalkBothWaysWithReceiptsAndCorrections)
{
    startServer({.roster = true});
    XmppPartner& alice = partner(u"alice"_s);
    XmppPartner& bob = partner(u"bob"_s);
    const QString aliceJid = m_server->jid(u"alice"_s);
    const QString bobJid = m_server->jid(u"bob"_s);

    // Contacts of the seeded roster see each other come online.
    ASSERT_TRUE(alice.waitForEvent(u"presence"_s, [&](const QJsonObject& e) {
        return e[u"from"_s].toString() == bob.jid() && e[u"type"_s].toString() == u"available"_s;
    })) << alice.log();

    const PartnerReply sent = alice.send({.to = bobJid,
                                          .body = u"¿Qué tal?"_s,
                                          .id = u"m1"_s,
                                          .lang = u"es"_s,
                                          .requestReceipt = true});
    ASSERT_TRUE(sent.ok) << sent.error;
    const auto hello = bob.waitForMessage([](const PartnerMessage& m) { return m.id == u"m1"_s; });
    ASSERT_TRUE(hello) << bob.log() << m_server->log();
    EXPECT_EQ(hello->from, alice.jid());
    EXPECT_EQ(hello->type, u"chat"_s);
    EXPECT_EQ(hello->body, u"¿Qué tal?"_s);
    EXPECT_EQ(hello->lang, u"es"_s);
    EXPECT_TRUE(hello->receiptRequested);
    EXPECT_TRUE(hello->replaces.isEmpty());
    EXPECT_TRUE(alice.waitForReceipt(
        [&](const PartnerReceipt& r) { return r.id == u"m1"_s && r.from == bob.jid(); }));

    const PartnerReply corrected =
        alice.correct({.to = bobJid, .body = u"¿Qué tal estás?"_s}, u"m1"_s);
    ASSERT_TRUE(corrected.ok) << corrected.error;
    const auto correction =
        bob.waitForMessage([](const PartnerMessage& m) { return !m.replaces.isEmpty(); });
    ASSERT_TRUE(correction);
    EXPECT_EQ(correction->replaces, u"m1"_s);
    EXPECT_EQ(correction->id, corrected.text(u"messageId"_s));
    EXPECT_NE(correction->id, u"m1"_s);
    EXPECT_EQ(correction->body, u"¿Qué tal estás?"_s);

    // While a wait runs, the test's own Qt objects keep working (a client under test would).
    bool served = false;
    QTimer::singleShot(0, [&] { served = true; });
    ASSERT_TRUE(bob.send({.to = aliceJid, .body = u"Wait for me"_s}).ok);
    ASSERT_TRUE(
        alice.waitForMessage([](const PartnerMessage& m) { return m.body == u"Wait for me"_s; }));
    EXPECT_TRUE(served);

    // A message without a language gets its sender's stream language from Prosody.
    ASSERT_TRUE(bob.send({.to = aliceJid, .body = u"Fine, thanks"_s}).ok);
    const auto answer =
        alice.waitForMessage([](const PartnerMessage& m) { return m.body == u"Fine, thanks"_s; });
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->from, bob.jid());
    EXPECT_EQ(answer->body, u"Fine, thanks"_s);
    EXPECT_EQ(answer->lang, u"en"_s);
    EXPECT_FALSE(answer->receiptRequested);
    EXPECT_EQ(bob.messages().size(), 2);
    EXPECT_EQ(alice.messages().size(), 2);
}

// Who decides whether occupants see each other's real JIDs, and what they see.
struct RoomCase {
    const char* name;
    bool serverDefault;
    std::optional<bool> ownerSets;
    bool visible;
};

void PrintTo(const RoomCase& c, std::ostream* out)
{
    *out << c.name;
}

class XmppTestBedRoomTest : public XmppTestBedTest,
                            public ::testing::WithParamInterface<RoomCase> {};

TEST_P(XmppTestBedRoomTest, RoomWithTwoOccupantsShowsRealJidsOnlyWhenConfigured)
{
    const RoomCase& c = GetParam();
    startServer({.mucPublicJids = c.serverDefault});
    XmppPartner& alice = partner(u"alice"_s);
    XmppPartner& bob = partner(u"bob"_s);
    const QString room = u"lounge@"_s + m_server->mucDomain();

    const PartnerReply created = alice.join(room, u"Alice"_s, c.ownerSets);
    ASSERT_TRUE(created.ok) << created.error << alice.log();
    EXPECT_TRUE(created.flag(u"created"_s));
    EXPECT_TRUE(created.flag(u"owner"_s));
    const PartnerReply joined = bob.join(room, u"Bob"_s);
    ASSERT_TRUE(joined.ok) << joined.error;
    EXPECT_FALSE(joined.flag(u"created"_s));

    const auto bobInRoom = alice.waitForOccupant(
        [](const PartnerOccupant& o) { return o.nick == u"Bob"_s && o.joined; });
    ASSERT_TRUE(bobInRoom);
    EXPECT_EQ(bobInRoom->room, room);
    // The owner is a moderator and always sees real JIDs; Bob sees Alice's only in a public room.
    EXPECT_EQ(bobInRoom->jid, bob.jid());
    const auto aliceSeenByBob = bob.waitForOccupant(
        [](const PartnerOccupant& o) { return o.nick == u"Alice"_s && o.joined; });
    ASSERT_TRUE(aliceSeenByBob);
    EXPECT_EQ(aliceSeenByBob->jid, c.visible ? alice.jid() : QString());

    ASSERT_TRUE(bob.send({.to = room, .body = u"Hello room"_s, .type = u"groupchat"_s}).ok);
    const auto inRoom =
        alice.waitForMessage([](const PartnerMessage& m) { return m.type == u"groupchat"_s; });
    ASSERT_TRUE(inRoom);
    EXPECT_EQ(inRoom->from, room + u"/Bob"_s);
    EXPECT_EQ(inRoom->body, u"Hello room"_s);
    EXPECT_FALSE(inRoom->delayed);
    // The room echoes a message to its sender too.
    EXPECT_TRUE(
        bob.waitForMessage([&](const PartnerMessage& m) { return m.from == room + u"/Bob"_s; }));

    ASSERT_TRUE(bob.leave(room, u"Bob"_s).ok);
    EXPECT_TRUE(alice.waitForOccupant(
        [](const PartnerOccupant& o) { return o.nick == u"Bob"_s && !o.joined; }));
}

INSTANTIATE_TEST_SUITE_P(WhoSetsIt, XmppTestBedRoomTest,
                         ::testing::Values(RoomCase{"OwnerShows", false, true, true},
                                           RoomCase{"OwnerHides", true, false, false},
                                           RoomCase{"ServerShows", true, std::nullopt, true}),
                         [](const ::testing::TestParamInfo<RoomCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(XmppTestBedTest, TlsAcceptsTheCertificateByFingerprintOnly)
{
    startServer({.tls = ProsodyOptions::Tls::SelfSigned});
    const QString first = m_server->fingerprint();
    ASSERT_EQ(first.size(), 32 * 3 - 1) << first;

    XmppPartner& alice = partner(u"alice"_s);
    ASSERT_FALSE(alice.jid().isEmpty());

    XmppPartner& bob = idlePartner();
    QString error;
    PartnerLogin login = PartnerLogin::to(*m_server, u"bob"_s);
    const auto refusedWith = [&](const QString& fingerprint) {
        login.fingerprint = fingerprint;
        const PartnerReply reply = bob.connect(login);
        return !reply.ok && reply.error.startsWith(u"certificate"_s);
    };
    EXPECT_TRUE(refusedWith(QString(64, u'0')));
    EXPECT_TRUE(refusedWith({})) << "a self-signed certificate is not trusted by the system";
    // Without TLS the server offers no way to log in.
    login.tls = false;
    EXPECT_FALSE(bob.connect(login).ok);

    // A new certificate: the pinned one no longer matches, the new one does.
    ASSERT_TRUE(m_server->replaceCertificate(error)) << error;
    const QString second = m_server->fingerprint();
    ASSERT_NE(second, first);
    login.tls = true;
    EXPECT_TRUE(refusedWith(first));
    EXPECT_TRUE(bob.waitForEvent(u"tls-refused"_s, [&](const QJsonObject& e) {
        return e[u"fingerprint"_s].toString() == second;
    }));
    // Any case, colons optional.
    login.fingerprint = QString(second).toLower().remove(u':');
    const PartnerReply accepted = bob.connect(login);
    EXPECT_TRUE(accepted.ok) << accepted.error;
}

TEST_F(XmppTestBedTest, TlsWithAGivenCertificateFile)
{
    const QTemporaryDir folder;
    const QString certificate = folder.filePath(u"given.crt"_s);
    const QString key = folder.filePath(u"given.key"_s);
    QProcess openssl;
    openssl.start(u"openssl"_s, {u"req"_s, u"-x509"_s, u"-newkey"_s, u"rsa:2048"_s, u"-nodes"_s,
                                 u"-days"_s, u"2"_s, u"-subj"_s, u"/CN=localhost"_s, u"-keyout"_s,
                                 key, u"-out"_s, certificate});
    ASSERT_TRUE(openssl.waitForFinished(60000) && openssl.exitCode() == 0)
        << openssl.readAllStandardError().toStdString();
    openssl.start(u"openssl"_s,
                  {u"x509"_s, u"-noout"_s, u"-fingerprint"_s, u"-sha256"_s, u"-in"_s, certificate});
    ASSERT_TRUE(openssl.waitForFinished(60000));
    const QString expected =
        QString::fromLatin1(openssl.readAllStandardOutput()).section(u'=', 1).trimmed();

    startServer({.tls = ProsodyOptions::Tls::CertificateFile,
                 .certificateFile = certificate,
                 .keyFile = key});
    EXPECT_EQ(m_server->fingerprint(), expected);
    XmppPartner& alice = partner(u"alice"_s);
    EXPECT_FALSE(alice.jid().isEmpty());
}

TEST_F(XmppTestBedTest, ARestartKeepsPortAndDataWhilePartnersReconnect)
{
    startServer({.roster = true});
    const quint16 port = m_server->port();
    const qint64 firstPid = m_server->pid();
    XmppPartner& alice = partner(u"alice"_s, [](PartnerLogin& login) { login.reconnect = true; });
    // Bob is offline: the message waits on the server, across the restart.
    ASSERT_TRUE(alice.send({.to = m_server->jid(u"bob"_s), .body = u"While you were out"_s}).ok);

    QString error;
    const QString firstSession = alice.jid();
    ASSERT_TRUE(m_server->restart(error)) << error;
    EXPECT_EQ(m_server->port(), port);
    EXPECT_TRUE(processGone(firstPid));
    const auto backOnline = [](XmppPartner& partner, const QStringList& before) {
        // Every session has a resource of its own; the events seen so far include the earlier
        // sessions' own, so a new session is one that none of them had.
        return partner.waitForEvent(u"online"_s, [&](const QJsonObject& e) {
            return !before.contains(e[u"jid"_s].toString());
        });
    };
    ASSERT_TRUE(backOnline(alice, {firstSession})) << alice.log() << m_server->log();

    XmppPartner& bob = partner(u"bob"_s);
    const auto waiting = bob.waitForMessage({});
    ASSERT_TRUE(waiting) << m_server->log();
    EXPECT_EQ(waiting->body, u"While you were out"_s);
    EXPECT_TRUE(waiting->delayed);

    // Stopped for a while: Alice keeps trying and is back once the server is; Bob, who does not
    // reconnect by himself, logs in again.
    const QString secondSession = alice.jid();
    m_server->stop();
    ASSERT_TRUE(bob.waitForEvent(u"disconnected"_s, {}));
    ASSERT_TRUE(m_server->start(error)) << error;
    ASSERT_TRUE(backOnline(alice, {firstSession, secondSession}));
    const PartnerReply bobAgain = bob.connect(PartnerLogin::to(*m_server, u"bob"_s));
    ASSERT_TRUE(bobAgain.ok) << bobAgain.error;
    ASSERT_TRUE(alice.send({.to = m_server->jid(u"bob"_s), .body = u"Back again"_s}).ok);
    EXPECT_TRUE(
        bob.waitForMessage([](const PartnerMessage& m) { return m.body == u"Back again"_s; }));
}

TEST_F(XmppTestBedTest, StrangersSubscribeAndSeeProfilesAndFeatures)
{
    startServer({});
    XmppPartner& alice = partner(u"alice"_s);
    XmppPartner& bob = partner(u"bob"_s, [](PartnerLogin& login) {
        login.advertiseCorrections = false;
        login.answerReceipts = false;
    });
    const QString aliceJid = m_server->jid(u"alice"_s);
    const QString bobJid = m_server->jid(u"bob"_s);

    // Bob accepts Alice's request (and asks back): each then sees the other's presence.
    ASSERT_TRUE(alice.subscribe(bobJid).ok);
    EXPECT_TRUE(bob.waitForEvent(
        u"subscribe"_s, [&](const QJsonObject& e) { return e[u"from"_s].toString() == aliceJid; }));
    const auto seesBob = [&](const QJsonObject& e) {
        return e[u"from"_s].toString() == bob.jid();
    };
    ASSERT_TRUE(alice.waitForEvent(u"presence"_s, seesBob)) << alice.log();

    // What the server offers: stream management, carbons, vCards, group chats.
    const auto online = alice.waitForEvent(u"online"_s, {});
    ASSERT_TRUE(online);
    EXPECT_TRUE((*online)[u"streamFeatures"_s].toArray().contains(u"urn:xmpp:sm:3"_s));
    const QStringList server = alice.featuresOf(m_server->domain()).texts(u"features"_s);
    for (const QString& feature : {u"urn:xmpp:carbons:2"_s, u"vcard-temp"_s, u"urn:xmpp:ping"_s})
        EXPECT_TRUE(server.contains(feature)) << feature << " in " << server.join(u' ');
    EXPECT_TRUE(alice.featuresOf(m_server->mucDomain())
                    .texts(u"features"_s)
                    .contains(u"http://jabber.org/protocol/muc"_s));

    const QStringList aliceOffers = bob.featuresOf(alice.jid()).texts(u"features"_s);
    EXPECT_TRUE(aliceOffers.contains(u"urn:xmpp:message-correct:0"_s)) << aliceOffers.join(u' ');
    EXPECT_TRUE(aliceOffers.contains(u"urn:xmpp:receipts"_s));
    const QStringList bobOffers = alice.featuresOf(bob.jid()).texts(u"features"_s);
    EXPECT_TRUE(bobOffers.contains(u"http://jabber.org/protocol/disco#info"_s));
    EXPECT_FALSE(bobOffers.contains(u"urn:xmpp:message-correct:0"_s));
    EXPECT_FALSE(bobOffers.contains(u"urn:xmpp:receipts"_s));

    // Bob does not answer receipt requests: his answer overtakes any receipt he would have sent.
    ASSERT_TRUE(
        alice.send({.to = bobJid, .body = u"Got it?"_s, .id = u"ask"_s, .requestReceipt = true})
            .ok);
    ASSERT_TRUE(bob.waitForMessage([](const PartnerMessage& m) { return m.id == u"ask"_s; }));
    ASSERT_TRUE(bob.send({.to = aliceJid, .body = u"Yes"_s}).ok);
    ASSERT_TRUE(alice.waitForMessage([](const PartnerMessage& m) { return m.body == u"Yes"_s; }));
    EXPECT_TRUE(alice.events(u"receipt"_s).isEmpty());

    const QTemporaryDir folder;
    const QString photo = folder.filePath(u"alice.jpg"_s);
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    ASSERT_TRUE(image.save(photo, "JPEG"));
    QFile file(photo);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString photoHash = QString::fromLatin1(
        QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex());

    const PartnerReply published = alice.publishVcard(u"Alice Liddell"_s, photo);
    ASSERT_TRUE(published.ok) << published.error << alice.log();
    EXPECT_EQ(published.text(u"photoHash"_s), photoHash);
    const PartnerReply vcard = bob.vcardOf(aliceJid);
    ASSERT_TRUE(vcard.ok) << vcard.error;
    EXPECT_EQ(vcard.text(u"fullName"_s), u"Alice Liddell"_s);
    EXPECT_EQ(vcard.text(u"photoType"_s), u"image/jpeg"_s);
    EXPECT_EQ(vcard.text(u"photoHash"_s), photoHash);
    EXPECT_TRUE(bob.waitForEvent(u"presence"_s, [&](const QJsonObject& e) {
        return e[u"from"_s].toString() == alice.jid() && e[u"avatarHash"_s].toString() == photoHash;
    }));
}

TEST_F(XmppTestBedTest, RefusalsComeBackAsErrors)
{
    startServer({});
    XmppPartner& partner = idlePartner();
    EXPECT_EQ(partner.send({.to = m_server->jid(u"bob"_s), .body = u"Hi"_s}).error,
              u"not connected"_s);

    const struct {
        const char* name;
        std::function<void(PartnerLogin&)> adjust;
        QString error;
    } cases[] = {
        {"wrong password", [](PartnerLogin& l) { l.password = u"guess"_s; },
         u"authentication failed"_s},
        {"unknown user", [&](PartnerLogin& l) { l.jid = m_server->jid(u"mallory"_s); },
         u"authentication failed"_s},
        // Registration is closed: nobody becomes an account by trying.
        {"no server there", [](PartnerLogin& l) { l.port = 1; }, u"connection failed"_s},
    };
    for (const auto& c : cases) {
        PartnerLogin login = PartnerLogin::to(*m_server, u"alice"_s);
        c.adjust(login);
        const PartnerReply reply = partner.connect(login);
        EXPECT_FALSE(reply.ok) << c.name;
        EXPECT_TRUE(reply.error.startsWith(c.error)) << c.name << ": " << reply.error;
    }
    EXPECT_TRUE(partner.connect(PartnerLogin::to(*m_server, u"alice"_s)).ok) << partner.log();
}

TEST_F(XmppTestBedTest, NothingOutlivesTheServerObject)
{
    startServer({});
    const qint64 pid = m_server->pid();
    const QString folder = m_server->folder();
    ASSERT_FALSE(processGone(pid));
    m_server.reset();
    EXPECT_TRUE(waitUntilGone(pid));
    EXPECT_FALSE(QFileInfo::exists(folder));
}

TEST(XmppServerScriptTest, RefusesBadArgumentsClearly)
{
    const struct {
        QStringList arguments;
        const char* says;
    } cases[] = {
        {{u"--port"_s, u"http"_s}, "not a port"},
        {{u"--port"_s, u"70000"_s}, "not a port"},
        {{u"--domain"_s, u"Bad Domain"_s}, "not a domain"},
        {{u"--tls"_s, u"maybe"_s}, "--tls is off or self-signed"},
        {{u"--cert"_s, u"/nonexistent.crt"_s, u"--key"_s, u"/nonexistent.key"_s},
         "two readable files"},
        {{u"alice"_s}, "USER:PASSWORD"},
        {{u"alice:"_s}, "USER:PASSWORD"},
        {{u"Alice@x:pw"_s}, "USER:PASSWORD"},
        {{u"--frobnicate"_s}, "unknown option"},
    };
    for (const auto& c : cases) {
        QProcess script;
        script.start(u"/bin/bash"_s, QStringList{ProsodyServer::script()} + c.arguments);
        ASSERT_TRUE(script.waitForFinished(30000));
        EXPECT_EQ(script.exitCode(), 2) << c.arguments.join(u' ');
        EXPECT_TRUE(script.readAllStandardError().contains(c.says)) << c.arguments.join(u' ');
        EXPECT_TRUE(script.readAllStandardOutput().isEmpty());
    }
}

} // namespace
} // namespace verbalink::testing
