// The real program, the simulator and the real gateway: a message typed to a Spanish-speaking
// contact comes back with its Spanish translation through each of the six engines, and the
// demo's own settings translate both ways.
#include "EventWait.h"
#include "GatewayProcess.h"
#include "ProgramTestFixture.h"

#include <gtest/gtest.h>

namespace verbalink::testing {
namespace {

using namespace Qt::StringLiterals;

struct Engine {
    const char* name;
    int translator;
};

void PrintTo(const Engine& engine, std::ostream* os)
{
    *os << engine.name;
}

// Every engine's target is Spanish; Google, Bing and Promt detect the source, Yahoo, SysTran
// and Babylon are told it is English.
QByteArray settings(int translator, const QByteArray& gateway)
{
    QByteArray text = "[Software\\Verbalink]\nTranslator=" + QByteArray::number(translator) +
                      "\nFromLang=32785\nToLang=32851\nYahoo=32876\nSystran=33129\n"
                      "LiveFrom=33001\nLiveTo=33030\nBabylonFrom=32940\nBabylonTo=32977\n"
                      "PromtFrom=33207\nPromtTo=33216\n[Software\\Verbalink\\Hosts]\n";
    for (const char* host :
         {"Google", "GoogleTranslate", "Yahoo", "Bing", "Babylon", "SysTran", "Promt"})
        text += QByteArray(host) + '=' + gateway + '\n';
    return text;
}

class GatewayProgramTest : public ProgramTestFixture, public ::testing::WithParamInterface<Engine> {
protected:
    QString finalBody(qint32 id)
    {
        const QString prefix = u"BODY "_s + QString::number(id) + u' ';
        QString body;
        waitUntil([&] {
            for (const QString& line : readFile(messagesLog()).split(u'\n')) {
                if (line.startsWith(prefix))
                    body = line.mid(prefix.size());
            }
            return !body.isEmpty();
        });
        return body;
    }

    GatewayProcess m_gateway;
};

TEST_P(GatewayProgramTest, TypedEnglishGetsItsSpanishTranslation)
{
    QString error;
    ASSERT_TRUE(m_gateway.start(error)) << qPrintable(error);
    writeSettings(settings(GetParam().translator, m_gateway.hostPort()));
    m_sim->directive(u"user pepe es Pepe García"_s);
    auto program = launch();
    ASSERT_TRUE(waitUntil([&] { return readFile(commandLog()).contains(u"GET UI_LANGUAGE"); }));

    m_sim->directive(u"type pepe Hello, how are you?"_s);
    const QString body = finalBody(1);
    // The typed text, then Apertium's Spanish ("Hola, cómo eres?").
    EXPECT_TRUE(body.startsWith(u"Hello, how are you?\\r\\n"_s)) << qPrintable(body);
    EXPECT_TRUE(body.contains(u"Hola"_s)) << qPrintable(body);
    EXPECT_TRUE(body.contains(u"cómo"_s)) << qPrintable(body);
    EXPECT_TRUE(m_gateway.log().contains(u"eng->spa translated"_s)) << qPrintable(m_gateway.log());

    program->terminate();
    ASSERT_TRUE(waitUntil([&] { return program->state() == QProcess::NotRunning; }));
}

// The settings the demo (scripts/run) starts with, as its script writes them.
class DemoSettingsTest : public ProgramTestFixture {
protected:
    GatewayProcess m_gateway;
};

TEST_F(DemoSettingsTest, ShowBothDirectionsAtOnce)
{
    QString error;
    ASSERT_TRUE(m_gateway.start(error)) << qPrintable(error);
    QProcess script;
    script.setProcessChannelMode(QProcess::MergedChannels);
    script.start(QStringLiteral(GATEWAY_SETTINGS_SCRIPT),
                 {u"--demo"_s, settingsFile(), QString::fromLatin1(m_gateway.hostPort())});
    ASSERT_TRUE(script.waitForFinished(10000));
    ASSERT_EQ(script.exitCode(), 0) << script.readAll().toStdString();
    m_sim->directive(u"user pepe es Pepe García"_s);
    auto program = launch();
    ASSERT_TRUE(attached()) << qPrintable(log());

    m_sim->directive(u"type pepe Hello, how are you?"_s);
    ASSERT_TRUE(waitUntil([&] { return readFile(messagesLog()).contains(u"BODY 1 Hello"_s); }));
    EXPECT_TRUE(readFile(messagesLog()).contains(u"Hola"_s)) << qPrintable(readFile(messagesLog()));
    // Pepe's answer comes back in English, into the chat.
    m_sim->directive(u"receive pepe Hola, ¿cómo estás? Nos vemos mañana en la playa."_s);
    QString posted;
    EXPECT_TRUE(waitUntil([&] {
        for (const QString& line : readFile(messagesLog()).split(u'\n')) {
            if (line.contains(u" posted "_s))
                posted = line;
        }
        return !posted.isEmpty();
    })) << qPrintable(readFile(messagesLog()));
    EXPECT_TRUE(posted.contains(u"] Hello"_s)) << qPrintable(posted);
    EXPECT_TRUE(terminate(*program)) << qPrintable(log());
}

INSTANTIATE_TEST_SUITE_P(SixEngines, GatewayProgramTest,
                         ::testing::Values(Engine{"Google", 1}, Engine{"Yahoo", 2},
                                           Engine{"Bing", 3}, Engine{"Babylon", 4},
                                           Engine{"SysTran", 5}, Engine{"Promt", 6}),
                         [](const ::testing::TestParamInfo<Engine>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
} // namespace verbalink::testing
