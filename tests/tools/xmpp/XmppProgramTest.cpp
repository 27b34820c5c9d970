// The whole chain: Verbalink attached to verbalink-xmpp, translating through the real gateway,
// and Bob on slixmpp behind a private Prosody. What Bob gets is what the partner of a real
// conversation gets.
#include "ClientProcess.h"
#include "EventWait.h"
#include "GatewayProcess.h"
#include "PrivateBus.h"
#include "ProgramHome.h"
#include "ProsodyServer.h"
#include "TranslationTestService.h"
#include "VirtualDisplay.h"
#include "XmppPartner.h"

#include <QProcess>
#include <gtest/gtest.h>
#include <memory>

std::ostream& operator<<(std::ostream& out, const QString& text)
{
    return out << text.toStdString();
}

namespace verbalink::testing {
namespace {

using namespace Qt::StringLiterals;

// Google at `host`, English to Spanish, and anything else the test adds to the program's own
// section.
QByteArray settings(const QByteArray& host, const QByteArray& more = {})
{
    return "[Software\\Verbalink]\nTranslator=1\nFromLang=32785\nToLang=32851\n" + more +
           "[Software\\Verbalink\\Hosts]\nGoogle=" + host + "\nGoogleTranslate=" + host + "\n";
}

// Encryption is switched on by its hot key only, so a program that encrypts runs on a display.
void runOnDisplay(ProgramHome& program, const VirtualDisplay& display)
{
    program.setEnvironment(u"DISPLAY"_s, display.name());
    program.setEnvironment(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
}

::testing::AssertionResult switchEncryptionOn(const ProgramHome& program,
                                              const VirtualDisplay& display)
{
    if (!program.logShows(u"hot keys: 22 grabbed"_s) || !display.press(u"ctrl+shift+F3"_s) ||
        !program.logShows(u"feedback: Encrypt Message: Enable"_s))
        return ::testing::AssertionFailure() << program.log();
    return ::testing::AssertionSuccess();
}

// What a display's clipboard holds as text, as any program there would paste it.
QString clipboardText(const VirtualDisplay& display)
{
    QProcess xclip;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"DISPLAY"_s, display.name());
    xclip.setProcessEnvironment(env);
    xclip.start(QStringLiteral(XCLIP_EXECUTABLE), {u"-o"_s, u"-selection"_s, u"clipboard"_s});
    if (!xclip.waitForFinished(5000) || xclip.exitCode() != 0)
        return {};
    return QString::fromUtf8(xclip.readAllStandardOutput());
}

// The newest line of a message view (the decrypted or the translated messages) that opened by
// itself, copied from its list the way a user would.
QString newestLineOfView(const VirtualDisplay& display, const QString& title)
{
    if (!display.focusWindowNamed(title))
        return {};
    QString line;
    waitUntil([&] {
        display.press(u"Home"_s);
        display.press(u"ctrl+c"_s);
        line = clipboardText(display);
        return !line.isEmpty();
    });
    return line;
}

class XmppProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QString error;
        ASSERT_TRUE(m_bus.start(error)) << error;
        ASSERT_TRUE(m_gateway.start(error)) << error;
        m_server = std::make_unique<ProsodyServer>(
            ProsodyOptions{.accounts = {u"alice:wonderland"_s, u"bob:builder"_s}, .roster = true});
        ASSERT_TRUE(m_server->start(error)) << error;
        m_program = std::make_unique<ProgramHome>(m_bus.address());
        if (!m_bobOnSlixmpp)
            return;
        ASSERT_TRUE(m_bob.start(error)) << error;
        ASSERT_TRUE(m_bob.connect(PartnerLogin::to(*m_server, u"bob"_s)).ok) << m_bob.log();
    }

    void TearDown() override
    {
        if (m_running) {
            m_running->terminate();
            waitUntil([&] { return m_running->state() == QProcess::NotRunning; });
        }
    }

    // Alice's client, online, with the account's options and the test's.
    void startAlice(const QStringList& more = {}) { startClient(m_alice, m_bus, u"alice"_s, more); }

    void startClient(std::unique_ptr<ClientProcess>& client, const PrivateBus& bus,
                     const QString& account, const QStringList& more = {})
    {
        client = std::make_unique<ClientProcess>(bus.address(), m_server->password(account));
        QString error;
        ASSERT_TRUE(
            client->start(QStringList{u"--jid"_s, m_server->jid(account), u"--server"_s,
                                      u"127.0.0.1:%1"_s.arg(m_server->port()), u"--allow-plain"_s} +
                              more,
                          error))
            << error;
        ASSERT_TRUE(client->waitForOutput(u"online"_s)) << client->errors();
    }

    void startProgram(const QByteArray& settingsText)
    {
        ASSERT_TRUE(m_program->writeSettings(settingsText));
        m_running = m_program->launch();
        // Attached: the program asks for the interface language after NAME and PROTOCOL.
        ASSERT_TRUE(m_alice->waitForLog(u"-> GET UI_LANGUAGE"_s))
            << m_program->log() << m_alice->errors();
    }
    void startProgram() { startProgram(settings(m_gateway.hostPort())); }

    QList<PartnerMessage> bobGot(const QString& start) const
    {
        QList<PartnerMessage> found;
        for (const PartnerMessage& message : m_bob.messages()) {
            if (message.body.startsWith(start))
                found.append(message);
        }
        return found;
    }

    QString everything() const { return m_bob.log() + m_alice->errors() + m_program->log(); }

    PrivateBus m_bus;
    GatewayProcess m_gateway;
    std::unique_ptr<ProsodyServer> m_server;
    XmppPartner m_bob;
    std::unique_ptr<ClientProcess> m_alice;
    std::unique_ptr<ProgramHome> m_program;
    std::unique_ptr<QProcess> m_running;
    // Off when Bob runs a copy of the client and the program instead.
    bool m_bobOnSlixmpp = true;
};

TEST_F(XmppProgramTest, BobGetsEachMessageOnceWithItsSpanishTranslationInOrder)
{
    startAlice();
    startProgram();
    const QString bob = m_server->jid(u"bob"_s);
    m_alice->directive(u"type %1 Hello, how are you?"_s.arg(bob));
    for (int i = 1; i <= 10; ++i)
        m_alice->directive(u"type %1 message %2"_s.arg(bob).arg(i));
    ASSERT_TRUE(m_bob.waitForMessage([](const PartnerMessage& m) {
        return m.body.startsWith(u"message 10\n"_s);
    })) << m_bob.log()
        << m_alice->errors() << m_program->log();

    const QList<PartnerMessage> got = m_bob.messages();
    ASSERT_EQ(got.size(), 11) << m_alice->errors();
    // The typed text, then the translation with the flag the program writes as a code (XML
    // turns the CR LF between them into LF).
    const QString spain = u"\U0001F1EA\U0001F1F8"_s;
    EXPECT_TRUE(got.first().body.startsWith(u"Hello, how are you?\n"_s)) << got.first().body;
    EXPECT_TRUE(got.first().body.contains(u"Hola"_s)) << got.first().body;
    EXPECT_TRUE(got.first().body.contains(spain)) << got.first().body;
    for (int i = 1; i <= 10; ++i) {
        const PartnerMessage& message = got.at(i);
        EXPECT_TRUE(message.body.startsWith(u"message %1\n"_s.arg(i))) << message.body;
        EXPECT_TRUE(message.body.contains(u"mensaje"_s, Qt::CaseInsensitive)) << message.body;
        EXPECT_TRUE(message.replaces.isEmpty());
    }
}

TEST_F(XmppProgramTest, ATranslationLaterThanTheDeadlineReachesBobAsACorrection)
{
    // The service answers only when the test lets it: long after the message went out.
    verbalink::test::TranslationTestService slow;
    ASSERT_TRUE(slow.listening());
    using Route = verbalink::test::TranslationTestService::Route;
    for (const Route route : {Route::Google, Route::GoogleDetecting})
        slow.queue(route, verbalink::test::TranslationTestService::gated());
    startAlice({u"--hold-ms"_s, u"500"_s});
    startProgram(settings(slow.hostPort()));
    m_alice->directive(u"type %1 Hello, how are you?"_s.arg(m_server->jid(u"bob"_s)));
    const std::optional<PartnerMessage> typed = m_bob.waitForMessage(
        [](const PartnerMessage& m) { return m.body == u"Hello, how are you?"_s; });
    ASSERT_TRUE(typed) << everything();

    slow.openGate();
    const std::optional<PartnerMessage> corrected =
        m_bob.waitForMessage([](const PartnerMessage& m) { return !m.replaces.isEmpty(); });
    ASSERT_TRUE(corrected) << everything();
    EXPECT_EQ(corrected->replaces, typed->id);
    EXPECT_TRUE(corrected->body.startsWith(u"Hello, how are you?\n"_s)) << corrected->body;
    EXPECT_TRUE(corrected->body.contains(u"[es] Hello, how are you?"_s)) << corrected->body;
    EXPECT_EQ(m_bob.messages().size(), 2) << everything();
}

TEST_F(XmppProgramTest, WithTranslationOffOnlyTheFirstMessageWaitsAndEachGoesAsTyped)
{
    startAlice({u"--hold-ms"_s, u"1000"_s});
    startProgram(settings(m_gateway.hostPort(), "State=0\n"));
    const QString bob = m_server->jid(u"bob"_s);
    for (int i = 1; i <= 4; ++i)
        m_alice->directive(u"type %1 plain %2"_s.arg(bob).arg(i));
    ASSERT_TRUE(m_bob.waitForMessage([](const PartnerMessage& m) {
        return m.body == u"plain 4"_s;
    })) << everything();

    QStringList bodies;
    for (const PartnerMessage& message : m_bob.messages())
        bodies.append(message.body);
    EXPECT_EQ(bodies, (QStringList{u"plain 1"_s, u"plain 2"_s, u"plain 3"_s, u"plain 4"_s}));
    // The program read every body but replaced none: the first one waited out its deadline,
    // and after it nothing was held.
    ASSERT_TRUE(m_alice->waitForLog(u"-> GET CHATMESSAGE 4 BODY"_s)) << everything();
    const QString log = m_alice->errors();
    EXPECT_EQ(log.count(u"no replacement within 1000 ms"_s), 1) << log;
    EXPECT_TRUE(log.contains(u"message 1: no replacement within"_s)) << log;
    EXPECT_FALSE(log.contains(u"-> SET CHATMESSAGE"_s)) << log;
}

// Received messages into English, either written into the chat or listed in the program's
// view of translated messages.
struct IncomingRow {
    const char* name;
    bool inChat;
};

void PrintTo(const IncomingRow& row, std::ostream* out)
{
    *out << row.name;
}

class XmppIncomingTranslationTest : public XmppProgramTest,
                                    public ::testing::WithParamInterface<IncomingRow> {};

TEST_P(XmppIncomingTranslationTest, BobsSpanishMessageReachesAliceTranslated)
{
    const bool inChat = GetParam().inChat;
    VirtualDisplay display;
    QString error;
    ASSERT_TRUE(display.start(error)) << error;
    runOnDisplay(*m_program, display);
    startAlice();
    startProgram(settings(m_gateway.hostPort(), "TranslateIncoming=33272\nTranslateInChat=" +
                                                    QByteArray(inChat ? "1" : "0") + "\n"));
    ASSERT_TRUE(
        m_bob
            .send(
                {.to = m_server->jid(u"alice"_s), .body = u"Hola, ¿cómo estás?"_s, .lang = u"es"_s})
            .ok);
    const std::optional<QString> received =
        m_alice->waitForMessageLine([](const QString& l) { return l.contains(u" received "_s); });
    ASSERT_TRUE(received) << everything();
    EXPECT_TRUE(received->endsWith(u"Hola, ¿cómo estás?"_s)) << *received;

    if (!inChat) {
        // Apertium's English: "Hello, how you are?".
        const QString line = newestLineOfView(display, u"Translated Incomming Messages"_s);
        EXPECT_TRUE(line.startsWith(u"["_s) && line.contains(u" , "_s)) << line << everything();
        EXPECT_TRUE(line.contains(u"] Hello, how"_s)) << line;
        EXPECT_FALSE(m_alice->errors().contains(u"-> CHATMESSAGE "_s)) << everything();
        EXPECT_TRUE(m_bob.messages().isEmpty()) << everything();
        return;
    }
    // The program's translation is a message of Alice's in the chat, so Bob reads it too.
    const std::optional<QString> posted =
        m_alice->waitForMessageLine([](const QString& l) { return l.contains(u" posted "_s); });
    ASSERT_TRUE(posted) << everything();
    EXPECT_EQ(posted->section(u' ', 3, 3), received->section(u' ', 3, 3)) << *posted;
    const std::optional<PartnerMessage> shown =
        m_bob.waitForMessage([](const PartnerMessage& m) { return m.body.startsWith(u"["_s); });
    ASSERT_TRUE(shown) << everything();
    EXPECT_TRUE(shown->body.contains(u"] Hello, how"_s)) << shown->body;
    EXPECT_EQ(m_bob.messages().size(), 1) << everything();
}

INSTANTIATE_TEST_SUITE_P(, XmppIncomingTranslationTest,
                         ::testing::Values(IncomingRow{"IntoTheChat", true},
                                           IncomingRow{"InTheList", false}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(XmppProgramTest, AGroupChatGetsEachTranslatedMessageOnceAndBobsAnswerComesBack)
{
    const QString room = u"lounge@"_s + m_server->mucDomain();
    ASSERT_TRUE(m_bob.join(room, u"Bob"_s).ok) << m_bob.log();
    startAlice({u"--room"_s, room, u"--nick"_s, u"Alice"_s});
    ASSERT_TRUE(m_bob.waitForOccupant([](const PartnerOccupant& o) {
        return o.nick == u"Alice"_s && o.joined;
    })) << everything();
    startProgram();

    m_alice->directive(u"type-room %1 Good morning"_s.arg(room));
    const std::optional<PartnerMessage> got = m_bob.waitForMessage([](const PartnerMessage& m) {
        return m.type == u"groupchat"_s && m.body.startsWith(u"Good morning\n"_s);
    });
    ASSERT_TRUE(got) << everything();
    EXPECT_TRUE(got->body.contains(u"Buenos"_s, Qt::CaseInsensitive)) << got->body;
    ASSERT_TRUE(m_bob.send({.to = room, .body = u"Hola a todos"_s, .type = u"groupchat"_s}).ok);
    const std::optional<QString> line = m_alice->waitForMessageLine([](const QString& l) {
        return l.contains(u" received "_s) && l.endsWith(u"Hola a todos"_s);
    });
    ASSERT_TRUE(line) << everything();
    int fromAlice = 0;
    for (const PartnerMessage& message : m_bob.messages())
        fromAlice += message.body.startsWith(u"Good morning"_s) ? 1 : 0;
    EXPECT_EQ(fromAlice, 1) << everything();
}

TEST_F(XmppProgramTest, WithEncryptionOnBobGetsTheCipherTextOnceAndNeverTheTypedText)
{
    VirtualDisplay display;
    QString error;
    ASSERT_TRUE(display.start(error)) << error;
    runOnDisplay(*m_program, display);
    startAlice();
    startProgram();
    ASSERT_TRUE(switchEncryptionOn(*m_program, display)) << everything();

    m_alice->directive(u"type %1 Meet me at noon"_s.arg(m_server->jid(u"bob"_s)));
    const std::optional<PartnerMessage> got = m_bob.waitForMessage([](const PartnerMessage& m) {
        return m.body.contains(u"[Verbalink Encrypted Message]"_s);
    });
    ASSERT_TRUE(got) << everything();
    // The marker line; the server passes it on without its CR, which a receiving client puts
    // back.
    EXPECT_TRUE(got->body.startsWith(u"[Verbalink Encrypted Message]\n"_s))
        << got->body.toUtf8().toPercentEncoding(" []").constData();
    EXPECT_GT(got->body.size(), 33);
    EXPECT_EQ(m_bob.messages().size(), 1) << everything();
    for (const PartnerMessage& message : m_bob.messages())
        EXPECT_FALSE(message.body.contains(u"noon"_s) || message.body.contains(u"Crypting"_s))
            << message.body;
}

// Bob as a second person on the same machine: his own bus, display, client and program.
class XmppTwoCopiesTest : public XmppProgramTest {
protected:
    XmppTwoCopiesTest() { m_bobOnSlixmpp = false; }

    void SetUp() override
    {
        XmppProgramTest::SetUp();
        QString error;
        ASSERT_TRUE(m_bobBus.start(error)) << error;
        m_bobProgram = std::make_unique<ProgramHome>(m_bobBus.address());
    }

    void TearDown() override
    {
        if (m_bobRunning) {
            m_bobRunning->terminate();
            waitUntil([&] { return m_bobRunning->state() == QProcess::NotRunning; });
        }
        XmppProgramTest::TearDown();
    }

    void startBob()
    {
        startClient(m_bobClient, m_bobBus, u"bob"_s);
        ASSERT_TRUE(m_bobProgram->writeSettings(settings(m_gateway.hostPort())));
        m_bobRunning = m_bobProgram->launch();
        ASSERT_TRUE(m_bobClient->waitForLog(u"-> GET UI_LANGUAGE"_s)) << m_bobProgram->log();
    }

    QString both() const
    {
        return m_alice->errors() + m_program->log() + m_bobClient->errors() + m_bobProgram->log();
    }

    PrivateBus m_bobBus;
    std::unique_ptr<ClientProcess> m_bobClient;
    std::unique_ptr<ProgramHome> m_bobProgram;
    std::unique_ptr<QProcess> m_bobRunning;
};

TEST_F(XmppTwoCopiesTest, BobsProgramShowsAlicesEncryptedTextDecrypted)
{
    VirtualDisplay aliceDisplay;
    VirtualDisplay bobDisplay;
    QString error;
    ASSERT_TRUE(aliceDisplay.start(error)) << error;
    ASSERT_TRUE(bobDisplay.start(error)) << error;
    runOnDisplay(*m_program, aliceDisplay);
    runOnDisplay(*m_bobProgram, bobDisplay);
    startAlice();
    startProgram();
    startBob();
    ASSERT_TRUE(switchEncryptionOn(*m_program, aliceDisplay)) << both();
    ASSERT_TRUE(switchEncryptionOn(*m_bobProgram, bobDisplay)) << both();

    m_alice->directive(u"type %1 Meet me at noon"_s.arg(m_server->jid(u"bob"_s)));
    // Bob's client reports the cipher text; his program deciphers it with Alice's handle and
    // opens its view of decrypted messages by itself.
    const std::optional<QString> received = m_bobClient->waitForMessageLine(
        [](const QString& l) { return l.contains(u" received "_s); });
    ASSERT_TRUE(received) << both();
    EXPECT_FALSE(received->contains(u"noon"_s)) << *received;
    const QString line = newestLineOfView(bobDisplay, u"Verbalink Encrypted Messages"_s);
    // "[time , sender] text": Alice's program encrypted what it sends, the typed text and its
    // translation, flag code and all.
    EXPECT_TRUE(line.contains(u" , alice@localhost] Meet me at noon\r\n"_s)) << line << both();
    EXPECT_TRUE(line.contains(u"(flag:es)"_s)) << line;
}

} // namespace
} // namespace verbalink::testing
