// The whole chain: Verbalink attached to verbalink-xmpp, translating through the real gateway,
// and Bob on slixmpp behind a private Prosody. What Bob gets is what the partner of a real
// conversation gets.
#include "ClientProcess.h"
#include "EventWait.h"
#include "GatewayProcess.h"
#include "PrivateBus.h"
#include "ProgramHome.h"
#include "ProsodyServer.h"
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

// Google through the gateway, English to Spanish.
QByteArray settings(const QByteArray& gateway)
{
    return "[Software\\Verbalink]\nTranslator=1\nFromLang=32785\nToLang=32851\n"
           "[Software\\Verbalink\\Hosts]\nGoogle=" +
           gateway + "\nGoogleTranslate=" + gateway + "\n";
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
        ASSERT_TRUE(m_bob.start(error)) << error;
        ASSERT_TRUE(m_bob.connect(PartnerLogin::to(*m_server, u"bob"_s)).ok) << m_bob.log();
        m_alice = std::make_unique<ClientProcess>(m_bus.address(), m_server->password(u"alice"_s));
        ASSERT_TRUE(m_alice->start({u"--jid"_s, m_server->jid(u"alice"_s), u"--server"_s,
                                    u"127.0.0.1:%1"_s.arg(m_server->port()), u"--allow-plain"_s},
                                   error))
            << error;
        ASSERT_TRUE(m_alice->waitForOutput(u"online"_s)) << m_alice->errors();
        m_program = std::make_unique<ProgramHome>(m_bus.address());
    }

    void TearDown() override
    {
        if (m_running) {
            m_running->terminate();
            waitUntil([&] { return m_running->state() == QProcess::NotRunning; });
        }
    }

    void startProgram()
    {
        ASSERT_TRUE(m_program->writeSettings(settings(m_gateway.hostPort())));
        m_running = m_program->launch();
        // Attached: the program asks for the interface language after NAME and PROTOCOL.
        ASSERT_TRUE(m_alice->waitForLog(u"-> GET UI_LANGUAGE"_s))
            << m_program->log() << m_alice->errors();
    }

    QList<PartnerMessage> bobGot(const QString& start) const
    {
        QList<PartnerMessage> found;
        for (const PartnerMessage& message : m_bob.messages()) {
            if (message.body.startsWith(start))
                found.append(message);
        }
        return found;
    }

    PrivateBus m_bus;
    GatewayProcess m_gateway;
    std::unique_ptr<ProsodyServer> m_server;
    XmppPartner m_bob;
    std::unique_ptr<ClientProcess> m_alice;
    std::unique_ptr<ProgramHome> m_program;
    std::unique_ptr<QProcess> m_running;
};

TEST_F(XmppProgramTest, BobGetsEachMessageOnceWithItsSpanishTranslationInOrder)
{
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

} // namespace
} // namespace verbalink::testing
