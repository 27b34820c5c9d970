// The installed program as scripts start it: real Apertium and CLD2 behind the services' formats.
#include "GatewayProcess.h"

#include "FakeClock.h"
#include "FakeMessageBox.h"
#include "QtPrinters.h"
#include "SlowClients.h"
#include "translate/engines/EngineContext.h"
#include "translate/engines/EngineExchange.h"
#include "translate/engines/GoogleEngine.h"
#include "translate/net/HttpConnection.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace verbalink {
namespace {

using namespace Qt::StringLiterals;

class GatewayProcessTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QString error;
        ASSERT_TRUE(m_gateway.start(error)) << error.toStdString();
        m_connection.setHost(m_gateway.hostPort());
        // The program's own budget: a direction's first request loads its pipeline.
        m_connection.setTimeoutValue(5000);
    }

    GoogleEngine::DetectedTranslation detect(const QString& text, QByteArrayView target)
    {
        const EngineExchange exchange(m_clock);
        const EngineContext context{m_connection, exchange, m_gateway.hostPort(), {}};
        return GoogleEngine::translateDetecting(context, text, target);
    }

    testing::GatewayProcess m_gateway;
    test::FakeMessageBox m_boxes;
    test::FakeClock m_clock;
    HttpConnection m_connection{m_boxes};
};

TEST_F(GatewayProcessTest, TheDetectingVariantReportsTheLanguageAndTranslates)
{
    const GoogleEngine::DetectedTranslation spanish = detect(u"¿Dónde está la biblioteca?"_s, "en");
    EXPECT_EQ(spanish.language, u"es"_s);
    EXPECT_TRUE(spanish.text.contains(u"library"_s)) << spanish.text.toStdString();

    const GoogleEngine::DetectedTranslation english = detect(u"Where is the library?"_s, "es");
    EXPECT_EQ(english.language, u"en"_s);
    EXPECT_TRUE(english.text.contains(u"biblioteca"_s)) << english.text.toStdString();

    const GoogleEngine::DetectedTranslation esperanto =
        detect(u"La hundo manĝas la pomon kaj mi estas feliĉa."_s, "en");
    EXPECT_EQ(esperanto.language, u"eo"_s);
    EXPECT_TRUE(esperanto.text.contains(u"dog"_s)) << esperanto.text.toStdString();
}

TEST_F(GatewayProcessTest, LogsEveryRequestWithoutItsText)
{
    detect(u"Where is the library?"_s, "es");
    HttpConnection raw(m_boxes);
    raw.setHost(m_gateway.hostPort());
    QByteArray answer;
    raw.exchange("NONSENSE\r\n\r\n", answer, 1000);
    EXPECT_TRUE(answer.startsWith("HTTP/1.0 400 "));
    // Each line is written before the connection closes.
    const QString log = m_gateway.log();
    EXPECT_TRUE(log.contains(u"-> 400 malformed request line"_s)) << log.toStdString();
    EXPECT_TRUE(log.contains(u"apertium directions in /usr/share/apertium/modes: "_s));
    EXPECT_TRUE(log.contains(u"google-detecting eng->spa translated"_s)) << log.toStdString();
    EXPECT_FALSE(log.contains(u"library"_s));
}

TEST_F(GatewayProcessTest, AThousandClientsThatNeverFinishHoldUpNoOne)
{
    ASSERT_TRUE(gateway::SlowClients::allowOpenFiles(1500));
    const quint16 port = m_gateway.hostPort().mid(m_gateway.hostPort().indexOf(':') + 1).toUShort();
    gateway::SlowClients silent(port, 500);
    gateway::SlowClients unfinished(port, 500, "GET /translate_a/t?client=o&text=Hello");
    ASSERT_EQ(silent.connected() + unfinished.connected(), 1000);
    const GoogleEngine::DetectedTranslation english = detect(u"Where is the library?"_s, "es");
    EXPECT_TRUE(english.text.contains(u"biblioteca"_s)) << english.text.toStdString();
    EXPECT_TRUE(silent.waiting(0));
}

TEST(GatewayWarm, PairsNamedAtStartAreRunningBeforeItListens)
{
    testing::GatewayProcess gateway;
    QString error;
    // Two letters or three; French through Spanish; a pair with no route is only logged.
    ASSERT_TRUE(
        gateway.start(error, {u"--warm"_s, u"en-es,spa-eng"_s, u"--warm"_s, u"eng-fra,eng-deu"_s}))
        << error.toStdString();
    const QString atStart = gateway.log();
    // Pipelines are logged by their mode's name.
    for (const QString& direction : {u"eng-spa"_s, u"spa-eng"_s, u"es-fr"_s})
        EXPECT_EQ(atStart.count(u"apertium "_s + direction + u": started"_s), 1)
            << atStart.toStdString();
    EXPECT_TRUE(atStart.contains(u"warm in "_s)) << atStart.toStdString();
    EXPECT_TRUE(atStart.contains(u"cannot warm eng-deu: no route"_s)) << atStart.toStdString();

    test::FakeMessageBox boxes;
    test::FakeClock clock;
    HttpConnection connection(boxes);
    connection.setHost(gateway.hostPort());
    const EngineExchange exchange(clock);
    const EngineContext context{connection, exchange, gateway.hostPort(), {}};
    const QString french = GoogleEngine::translateIncoming(context, u"The cat eats fish."_s, "fr");
    EXPECT_TRUE(french.contains(u"chat"_s)) << french.toStdString();
    // The request found every pipeline of its route running.
    const QString after = gateway.log();
    EXPECT_TRUE(after.contains(u"google eng->fra translated"_s)) << after.toStdString();
    EXPECT_EQ(after.count(u": started"_s), 3) << after.toStdString();
}

TEST(GatewayOptions, ABadCommandLineIsRefusedWithUsage)
{
    for (const QStringList& arguments :
         {QStringList{u"--port"_s, u"70000"_s}, QStringList{u"--port"_s}, QStringList{u"-x"_s},
          QStringList{u"--warm"_s, u"english-spanish"_s}, QStringList{u"--warm"_s, u"eng"_s},
          QStringList{u"--warm"_s, u"eng-spa-cat"_s}}) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        QProcess process;
        process.start(QStringLiteral(GATEWAY_EXECUTABLE), arguments);
        ASSERT_TRUE(process.waitForFinished(10000));
        EXPECT_EQ(process.exitCode(), 2);
        EXPECT_TRUE(process.readAllStandardError().contains(
            "Try 'verbalink-gateway --help' for more information."));
    }
}

} // namespace
} // namespace verbalink
