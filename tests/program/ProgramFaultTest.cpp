// The real program under faults of what it talks to: each scenario ends with nothing lost and
// the program still translating.

#include "EventWait.h"
#include "ProgramTestFixture.h"
#include "TranslationTestService.h"

#include <QDir>

using namespace verbalink;
using verbalink::testing::ProgramTestFixture;
using verbalink::testing::waitUntil;
using Service = verbalink::test::TranslationTestService;

namespace {

class ProgramFaultTest : public ProgramTestFixture {
protected:
    // Typed messages go into German through the loopback service.
    void SetUp() override
    {
        ProgramTestFixture::SetUp();
        ASSERT_TRUE(m_service.listening());
        writeSettings("[Software\\Verbalink]\nToLang=32831\nProxyAddress=proxy.example\n"
                      "TranslateOnlyList=bob|de,carol|fr\n[Software\\Verbalink\\Hosts]\nGoogle=" +
                      m_service.hostPort() + "\nGoogleTranslate=" + m_service.hostPort() + "\n");
        m_program = launch();
        ASSERT_TRUE(attached()) << qPrintable(log());
    }
    void TearDown() override
    {
        if (m_program) {
            EXPECT_TRUE(terminate(*m_program)) << qPrintable(log());
        }
    }

    static QString translated(int id, const QString& text)
    {
        return u"BODY " + QString::number(id) + u' ' + text + u"\\r\\n( (flag:de)  [de] " + text +
               u" )";
    }
    // Gives the program time to act on what it was just sent.
    static void settle(int ms)
    {
        waitUntil([] { return false; }, ms);
    }

    Service m_service;
    std::unique_ptr<QProcess> m_program;
};

TEST_F(ProgramFaultTest, ChatClientKilledMidConversationIsAttachedAgainAfterItsRestart)
{
    m_sim->directive(QStringLiteral("type bob Before"));
    ASSERT_TRUE(messagesShow(translated(1, QStringLiteral("Before"))));
    // Killed while the program is busy with the next message.
    m_sim->directive(QStringLiteral("type bob Interrupted"));
    m_sim->kill();

    ASSERT_TRUE(startSim(u"messages-after-restart.log"));
    ASSERT_TRUE(waitUntil([&] { return readFile(commandLog()).contains(u"GET UI_LANGUAGE"); }))
        << qPrintable(log());
    m_sim->directive(QStringLiteral("type bob After"));
    EXPECT_TRUE(messagesShow(translated(1, QStringLiteral("After"))))
        << qPrintable(readFile(messagesLog()));
}

TEST_F(ProgramFaultTest, ServiceThatNeverAnswersLeavesTheMessageAsTypedAndTheNextGoesThrough)
{
    // The first attempt and its retry are both taken and never answered.
    m_service.queue(Service::Route::Google, Service::hold());
    m_service.queue(Service::Route::Google, Service::hold());
    m_sim->directive(QStringLiteral("type bob Unanswered"));
    m_sim->directive(QStringLiteral("type bob Answered"));
    // Two silent waits of ten seconds each, then the next message.
    EXPECT_TRUE(messagesShow(translated(2, QStringLiteral("Answered")), 45000))
        << qPrintable(readFile(messagesLog()));
    EXPECT_FALSE(readFile(messagesLog()).contains(u"BODY 1 "));
    EXPECT_EQ(m_service.requests().size(), 3);
}

TEST_F(ProgramFaultTest, SettingsFileReplacedByGarbageIsKeptAsideAndItsValuesWrittenBack)
{
    const QByteArray garbage = "\xff\xfe[[[ not settings\n=\n";
    writeSettings(garbage);
    m_sim->directive(QStringLiteral("type bob Still"));
    EXPECT_TRUE(messagesShow(translated(1, QStringLiteral("Still"))));

    // The exit save finds the broken file.
    ASSERT_TRUE(terminate(*m_program)) << qPrintable(log());
    m_program.reset();
    const QStringList aside =
        QDir(path(u"config/Verbalink")).entryList({QStringLiteral("Verbalink.conf.broken-*")});
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(readFile(path(u"config/Verbalink/") + aside.first()).toLatin1(),
              QString::fromUtf8(garbage).toLatin1());
    const QString saved = readFile(settingsFile());
    for (const char* line : {"ToLang=32831\n", "ProxyAddress=proxy.example\n",
                             "TranslateOnlyList=bob|de,carol|fr\n", "State=1\n"})
        EXPECT_TRUE(saved.contains(QString::fromLatin1(line))) << line << qPrintable(saved);
    EXPECT_TRUE(saved.contains(u"Google=" + QString::fromLatin1(m_service.hostPort())));
}

TEST_F(ProgramFaultTest, BurstOfAThousandTypedMessagesIsTranslatedInOrder)
{
    constexpr int Count = 1000;
    QStringList burst;
    for (int i = 1; i <= Count; ++i)
        burst << u"type bob m" + QString::number(i);
    m_sim->directive(burst.join(u'\n'));
    ASSERT_TRUE(messagesShow(translated(Count, u"m" + QString::number(Count)), 240000))
        << qPrintable(readFile(messagesLog()).right(2000));

    QStringList bodies;
    for (const QString& line : readFile(messagesLog()).split(u'\n')) {
        if (line.startsWith(u"BODY "))
            bodies << line;
    }
    ASSERT_EQ(bodies.size(), Count);
    for (int i = 1; i <= Count; ++i)
        ASSERT_EQ(bodies[i - 1], translated(i, u"m" + QString::number(i)));
    const QList<Service::Request> requests = m_service.requests();
    ASSERT_EQ(requests.size(), Count);
    for (int i = 1; i <= Count; ++i)
        ASSERT_TRUE(
            requests[i - 1].bytes.contains(QByteArray("text=m" + QByteArray::number(i) + "&")));
}

TEST_F(ProgramFaultTest, LinesOfSeveralMegabytesLeaveTheProgramServing)
{
    QString huge(4 * 1024 * 1024, u'x');
    for (qsizetype i = 0; i < huge.size(); i += 9)
        huge[i] = u' ';
    m_sim->directive(u"notify USER bob FULLNAME Bob" + huge);
    m_sim->directive(u"notify " + huge);
    // A typed message too long to be sent to any service stays as it was typed.
    m_sim->directive(u"type bob Long" + huge);
    m_sim->directive(QStringLiteral("type bob Short"));
    EXPECT_TRUE(messagesShow(translated(2, QStringLiteral("Short")), 60000))
        << qPrintable(log().right(2000));
    EXPECT_FALSE(readFile(messagesLog()).contains(u"BODY 1 "));
}

TEST_F(ProgramFaultTest, ChatClientAnsweringEveryCommandWithAnErrorLosesNothing)
{
    m_sim->directive(QStringLiteral("errors on"));
    m_sim->directive(QStringLiteral("type bob Refused"));
    ASSERT_TRUE(
        waitUntil([&] { return readFile(commandLog()).contains(u"GET CHATMESSAGE 1 BODY"); }));
    settle(1000);
    m_sim->directive(QStringLiteral("errors off"));
    m_sim->directive(QStringLiteral("type bob Accepted"));
    EXPECT_TRUE(messagesShow(translated(2, QStringLiteral("Accepted"))))
        << qPrintable(readFile(messagesLog()));
    // The refused message was never touched: its body is what was typed.
    EXPECT_FALSE(readFile(messagesLog()).contains(u"BODY 1 "));
}

TEST_F(ProgramFaultTest, OneErrorAnswerOrAStallOfTheClientLeavesTheNextMessageTranslated)
{
    struct Case {
        const char* name;
        const char* fault;
        bool reattaches;
    };
    const Case cases[] = {
        // The client answers one command with a D-Bus error: it is still there, still heard.
        {"error answer", "dbus-error", false},
        // It hangs past the send limit: the program finds it again at once, not after 100 s.
        {"stall", "stall 5000", true},
    };
    int id = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString name = QString::fromLatin1(c.name);
        const qsizetype attaches = readFile(commandLog()).count(u"GET UI_LANGUAGE");
        // The fault takes the program's first question about this message.
        m_sim->directive(QString::fromLatin1(c.fault));
        m_sim->directive(u"type bob Hit by the " + name);
        const QString hit = u"GET CHATMESSAGE " + QString::number(++id);
        ASSERT_TRUE(waitUntil([&] { return readFile(commandLog()).contains(hit); }));
        if (c.reattaches) {
            ASSERT_TRUE(waitUntil(
                [&] { return readFile(commandLog()).count(u"GET UI_LANGUAGE") > attaches; }, 20000))
                << qPrintable(log().right(2000));
        } else {
            settle(1000);
        }
        m_sim->directive(u"type bob After the " + name);
        EXPECT_TRUE(messagesShow(translated(++id, u"After the " + name)))
            << qPrintable(readFile(messagesLog()));
    }
}

} // namespace
