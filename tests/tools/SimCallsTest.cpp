#include "SkypeSimulator.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace verbalink::desktopapi;
using namespace verbalink::sim;

namespace {

class SimCallsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_simulator.calls().addListener(
            [this](const SimCallEvent& event) { m_events.append(event); });
    }

    QStringList apply(const QString& line, QString& error)
    {
        const ParsedDirective parsed = SimDirectiveParser::parse(line);
        EXPECT_TRUE(parsed.ok()) << qPrintable(line) << ": " << qPrintable(parsed.error);
        return m_simulator.apply(parsed.directive, error).value_or(QStringList{u"not applied"_s});
    }

    QStringList apply(const QString& line)
    {
        QString error;
        const QStringList pushed = apply(line, error);
        EXPECT_TRUE(error.isEmpty()) << qPrintable(line) << ": " << qPrintable(error);
        return pushed;
    }

    QString reply(const QString& command) { return m_simulator.handle(command).reply; }

    SkypeSimulator m_simulator;
    QList<SimCallEvent> m_events;
};

} // namespace

TEST_F(SimCallsTest, ACallPushesItsStatusAndItsDuration)
{
    EXPECT_EQ(apply(u"call 7 bob mic.wav -"_s), QStringList{u"CALL 7 STATUS INPROGRESS"_s});
    ASSERT_EQ(m_events.size(), 1);
    EXPECT_EQ(m_events[0].kind, SimCallEvent::Kind::Started);
    EXPECT_EQ(m_events[0].call.micFile, u"mic.wav"_s);
    EXPECT_TRUE(m_events[0].call.outputFile.isEmpty());
    EXPECT_EQ(m_simulator.calls().tick(u"7"_s), u"CALL 7 DURATION 1"_s);
    EXPECT_EQ(m_simulator.calls().tick(u"7"_s), u"CALL 7 DURATION 2"_s);
    EXPECT_EQ(reply(u"GET CALL 7 STATUS"_s), u"CALL 7 STATUS INPROGRESS"_s);

    EXPECT_EQ(apply(u"call-end 7"_s), QStringList{u"CALL 7 STATUS FINISHED"_s});
    EXPECT_EQ(m_events.last().kind, SimCallEvent::Kind::Ended);
    EXPECT_TRUE(m_simulator.calls().tick(u"7"_s).isEmpty());
    EXPECT_EQ(reply(u"GET CALL 7 STATUS"_s), u"CALL 7 STATUS FINISHED"_s);
    // A finished call's id can be used again and counts from zero.
    EXPECT_EQ(apply(u"call 7 carol - -"_s), QStringList{u"CALL 7 STATUS INPROGRESS"_s});
    EXPECT_EQ(m_simulator.calls().tick(u"7"_s), u"CALL 7 DURATION 1"_s);
}

TEST_F(SimCallsTest, StartingARunningCallOrEndingAnUnknownOneIsAnError)
{
    apply(u"call 7 bob - -"_s);
    const qsizetype events = m_events.size();
    for (const QString& line : {u"call 7 carol - -"_s, u"call-end 8"_s}) {
        QString error;
        EXPECT_TRUE(apply(line, error).isEmpty()) << qPrintable(line);
        EXPECT_FALSE(error.isEmpty()) << qPrintable(line);
    }
    EXPECT_EQ(m_events.size(), events);
    EXPECT_EQ(reply(u"GET CALL 7 PARTNER_HANDLE"_s), u"CALL 7 PARTNER_HANDLE bob"_s);
    apply(u"call-end 7"_s);
    QString error;
    EXPECT_TRUE(apply(u"call-end 7"_s, error).isEmpty());
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(SimCallsTest, OnlyTheNewestFinishedCallsAreKept)
{
    apply(u"call running bob - -"_s);
    for (int id = 0; id <= SimCalls::FinishedCapacity; ++id) {
        apply(u"call "_s + QString::number(id) + u" bob - -"_s);
        apply(u"call-end "_s + QString::number(id));
    }
    EXPECT_FALSE(m_simulator.calls().find(u"0"_s));
    EXPECT_TRUE(m_simulator.calls().find(u"1"_s));
    EXPECT_EQ(reply(u"GET CALL running STATUS"_s), u"CALL running STATUS INPROGRESS"_s);
}

TEST_F(SimCallsTest, PartnerDisplayNameIsTheFullNameOrTheHandle)
{
    apply(u"user bob de Bob Brown"_s);
    apply(u"user carol fr"_s);
    apply(u"call 1 bob - -"_s);
    apply(u"call 2 carol - -"_s);
    apply(u"call 3 dave - -"_s);
    EXPECT_EQ(reply(u"GET CALL 1 PARTNER_DISPNAME"_s), u"CALL 1 PARTNER_DISPNAME Bob Brown"_s);
    EXPECT_EQ(reply(u"GET CALL 2 PARTNER_DISPNAME"_s), u"CALL 2 PARTNER_DISPNAME carol"_s);
    EXPECT_EQ(reply(u"get call 3 partner_dispname"_s), u"CALL 3 PARTNER_DISPNAME dave"_s);
    for (const QString& bad : {u"GET CALL 9 PARTNER_DISPNAME"_s, u"GET CALL 1 MOOD"_s,
                               u"GET CALL 1"_s, u"GET CALL"_s, u"GET CALL 1 STATUS x"_s})
        EXPECT_TRUE(reply(bad).startsWith(u"ERROR "_s)) << qPrintable(bad);
}

TEST_F(SimCallsTest, AlterCallEchoesAndRoutesTheStreams)
{
    apply(u"call 7 bob - -"_s);
    m_events.clear();
    struct Case {
        QString command;
        QString reply;
        SimCallEvent::Kind kind;
        SimCallStream stream;
        quint16 port;
    };
    using K = SimCallEvent::Kind;
    const Case cases[] = {
        {u"ALTER CALL 7 SET_CAPTURE_MIC PORT=\"34343\""_s,
         u"ALTER CALL 7 SET_CAPTURE_MIC PORT=\"34343\""_s, K::Routed, SimCallStream::Microphone,
         34343},
        {u"ALTER CALL 7 SET_OUTPUT PORT=\"1\""_s, u"ALTER CALL 7 SET_OUTPUT PORT=\"1\""_s,
         K::Routed, SimCallStream::Output, 1},
        {u"alter call 7 set_input PORT=\"65535\""_s, u"ALTER CALL 7 SET_INPUT PORT=\"65535\""_s,
         K::Routed, SimCallStream::Input, 65535},
        {u"ALTER CALL 7 SET_CAPTURE_MIC"_s, u"ALTER CALL 7 SET_CAPTURE_MIC"_s, K::Unrouted,
         SimCallStream::Microphone, 0},
        {u"ALTER CALL 7 SET_OUTPUT"_s, u"ALTER CALL 7 SET_OUTPUT"_s, K::Unrouted,
         SimCallStream::Output, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command.toStdString());
        m_events.clear();
        EXPECT_EQ(reply(c.command), c.reply);
        ASSERT_EQ(m_events.size(), 1);
        EXPECT_EQ(m_events[0].kind, c.kind);
        EXPECT_EQ(m_events[0].call.id, u"7"_s);
        EXPECT_EQ(m_events[0].stream, c.stream);
        EXPECT_EQ(m_events[0].port, c.port);
    }
}

TEST_F(SimCallsTest, BadAlterCallCommandsRouteNothing)
{
    apply(u"call 7 bob - -"_s);
    apply(u"call 8 bob - -"_s);
    apply(u"call-end 8"_s);
    m_events.clear();
    const QString invalidId = u"ERROR 11 Invalid call id"_s;
    const QString bad[] = {
        u"ALTER CALL 9 SET_OUTPUT PORT=\"5000\""_s, // unknown
        u"ALTER CALL 8 SET_OUTPUT PORT=\"5000\""_s, // finished
        u"ALTER CALL"_s,
        u"ALTER CALL 7"_s,
        u"ALTER CALL 7 SET_VOLUME PORT=\"5000\""_s,
        u"ALTER CALL 7 SET_OUTPUT PORT=5000"_s,
        u"ALTER CALL 7 SET_OUTPUT PORT=\"\""_s,
        u"ALTER CALL 7 SET_OUTPUT PORT=\"0\""_s,
        u"ALTER CALL 7 SET_OUTPUT PORT=\"65536\""_s,
        u"ALTER CALL 7 SET_OUTPUT PORT=\"-1\""_s,
        u"ALTER CALL 7 SET_OUTPUT PORT=\"123456\""_s,
        u"ALTER CALL 7 SET_OUTPUT PORT=\"80\" x"_s,
        u"ALTER CALL 7 SET_OUTPUT  PORT=\"80\""_s,
    };
    for (const QString& command : bad)
        EXPECT_TRUE(reply(command).startsWith(u"ERROR "_s)) << qPrintable(command);
    EXPECT_EQ(reply(bad[0]), invalidId);
    EXPECT_EQ(reply(bad[1]), invalidId);
    EXPECT_TRUE(m_events.isEmpty());
}
