// The simulator process streaming a call's audio to loopback servers of the test, driven over a
// private bus and its standard input.

#include "EventWait.h"
#include "PrivateBus.h"
#include "SimProcess.h"
#include "TestWav.h"
#include "skype/dbus/DBusSkypeTransport.h"
#include "skype/dbus/SkypeDBusNames.h"

#include <QDBusMessage>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using namespace Qt::StringLiterals;
using namespace verbalink;
using verbalink::testing::PrivateBus;
using verbalink::testing::SimProcess;
using verbalink::testing::TestWav;
using verbalink::testing::waitUntil;

namespace {

// The accepting end of one audio connection.
class LoopbackEnd {
public:
    bool listen() { return m_server.listen(QHostAddress::LocalHost); }
    quint16 port() const { return m_server.serverPort(); }
    QString portOption() const { return u"PORT=\""_s + QString::number(port()) + u'"'; }

    // Takes the connection and what arrived so far; true once the simulator has connected.
    bool poll()
    {
        if (!m_peer)
            m_peer = m_server.nextPendingConnection();
        if (m_peer)
            m_received += m_peer->readAll();
        return m_peer != nullptr;
    }
    bool closed()
    {
        poll();
        return m_peer && m_peer->state() == QAbstractSocket::UnconnectedState;
    }
    void send(const QByteArray& bytes) { m_peer->write(bytes); }
    const QByteArray& received() const { return m_received; }

private:
    QTcpServer m_server;
    QTcpSocket* m_peer = nullptr;
    QByteArray m_received;
};

class SimCallAudioTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QString error;
        ASSERT_TRUE(m_bus.start(error)) << qPrintable(error);
        m_connection = m_bus.connect();
        m_sim = std::make_unique<SimProcess>(m_bus.address());
        ASSERT_TRUE(m_sim->start({}, error)) << qPrintable(error);
        ASSERT_TRUE(m_dir.isValid());
        for (LoopbackEnd* end : {&m_mic, &m_output, &m_input})
            ASSERT_TRUE(end->listen());
    }

    QString invoke(const QString& command)
    {
        QDBusMessage call =
            QDBusMessage::createMethodCall(skypedbus::apiService(), skypedbus::apiPath(),
                                           skypedbus::apiInterface(), skypedbus::invokeMethod());
        call << command;
        return m_connection.call(call, QDBus::Block, 10000).arguments().value(0).toString();
    }

    QString file(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return path;
    }

    // The directive goes through standard input; the call is there once it answers.
    void startCall(const QString& id, const QString& mic, const QString& output)
    {
        m_sim->directive(u"call "_s + id + u" bob "_s + mic + u' ' + output);
        ASSERT_TRUE(waitUntil([&] {
            return invoke(u"GET CALL "_s + id + u" PARTNER_DISPNAME"_s) ==
                   u"CALL "_s + id + u" PARTNER_DISPNAME bob"_s;
        }));
    }

    void route(const QString& id, const QString& action, const LoopbackEnd& end)
    {
        const QString command = u"ALTER CALL "_s + id + u' ' + action + u' ' + end.portOption();
        EXPECT_EQ(invoke(command), command);
    }

    // Gives the simulator time to send anything beyond what is expected.
    static void linger()
    {
        waitUntil([] { return false; }, 300);
    }

    PrivateBus m_bus;
    QDBusConnection m_connection{QString()};
    std::unique_ptr<SimProcess> m_sim;
    QTemporaryDir m_dir;
    LoopbackEnd m_mic;
    LoopbackEnd m_output;
    LoopbackEnd m_input;
};

} // namespace

TEST_F(SimCallAudioTest, EachConnectionCarriesExactlyItsFileAndTheInputIsRecorded)
{
    const QByteArray micPcm = TestWav::rampPcm(3000, 1);
    // Not a whole number of chunks, and behind a chunk the reader must walk past.
    const QByteArray outputPcm = TestWav::rampPcm(4321, 2);
    TestWav tagged;
    tagged.extraChunks = {{"LIST", "INFOISFT\x05\0\0\0test\0"_ba}};
    const QString heard = m_dir.filePath(u"heard.raw"_s);
    m_sim->directive(u"call-input "_s + heard);
    startCall(u"7"_s, file(u"mic.wav"_s, TestWav{}.file(micPcm)),
              file(u"out.wav"_s, tagged.file(outputPcm)));

    route(u"7"_s, u"SET_CAPTURE_MIC"_s, m_mic);
    route(u"7"_s, u"SET_OUTPUT"_s, m_output);
    route(u"7"_s, u"SET_INPUT"_s, m_input);
    ASSERT_TRUE(waitUntil([&] { return m_input.poll(); }));
    const QByteArray partnerHears = TestWav::rampPcm(500, 3);
    m_input.send(partnerHears);

    QFile recorded(heard);
    ASSERT_TRUE(waitUntil([&] {
        m_mic.poll();
        m_output.poll();
        return m_mic.received().size() >= micPcm.size() &&
               m_output.received().size() >= outputPcm.size() && recorded.size() >= 1000;
    })) << m_mic.received().size()
        << " " << m_output.received().size();
    linger();
    m_mic.poll();
    m_output.poll();
    EXPECT_EQ(m_mic.received(), micPcm);
    EXPECT_EQ(m_output.received(), outputPcm);
    ASSERT_TRUE(recorded.open(QIODevice::ReadOnly));
    EXPECT_EQ(recorded.readAll(), partnerHears);
    EXPECT_TRUE(m_input.received().isEmpty());

    // The connections stay open after the audio ends, until the call does.
    EXPECT_FALSE(m_mic.closed());
    m_sim->directive(u"call-end 7"_s);
    EXPECT_TRUE(waitUntil([&] { return m_mic.closed() && m_output.closed() && m_input.closed(); }));
    EXPECT_TRUE(
        invoke(u"ALTER CALL 7 SET_OUTPUT "_s + m_output.portOption()).startsWith(u"ERROR"_s));
}

TEST_F(SimCallAudioTest, AFileThatIsNoCallAudioLeavesItsConnectionSilent)
{
    const QByteArray outputPcm = TestWav::rampPcm(2000, 4);
    TestWav stereo;
    stereo.channels = 2;
    startCall(u"8"_s, file(u"stereo.wav"_s, stereo.file(TestWav::rampPcm(2000, 5))),
              file(u"out.wav"_s, TestWav{}.file(outputPcm)));
    route(u"8"_s, u"SET_CAPTURE_MIC"_s, m_mic);
    route(u"8"_s, u"SET_OUTPUT"_s, m_output);
    // Nobody listens there: reported on standard error, the call goes on.
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 refusing = closed.serverPort();
    closed.close();
    EXPECT_EQ(invoke(u"ALTER CALL 8 SET_INPUT PORT=\""_s + QString::number(refusing) + u'"'),
              u"ALTER CALL 8 SET_INPUT PORT=\""_s + QString::number(refusing) + u'"');

    ASSERT_TRUE(waitUntil([&] {
        m_mic.poll();
        m_output.poll();
        return m_output.received().size() >= outputPcm.size();
    }));
    linger();
    m_mic.poll();
    m_output.poll();
    EXPECT_EQ(m_output.received(), outputPcm);
    EXPECT_TRUE(m_mic.received().isEmpty());

    EXPECT_EQ(invoke(u"ALTER CALL 8 SET_CAPTURE_MIC"_s), u"ALTER CALL 8 SET_CAPTURE_MIC"_s);
    EXPECT_TRUE(waitUntil([&] { return m_mic.closed(); }));
    EXPECT_FALSE(m_output.closed());
}

TEST_F(SimCallAudioTest, TheAttachedClientHearsTheCallGoOnAndEnd)
{
    DBusSkypeTransport client(m_bus.connect());
    bool attached = false;
    QStringList lines;
    SkypeTransport::Handlers handlers;
    handlers.attach = [&](const SkypeEndpoint&, int status) {
        attached = attached || status == AttachSuccess;
    };
    handlers.received = [&](const SkypeEndpoint&, const QByteArray& line) {
        if (line.startsWith("CALL "))
            lines.append(QString::fromUtf8(line));
    };
    client.setHandlers(std::move(handlers));
    ASSERT_TRUE(client.postDiscover());
    ASSERT_TRUE(waitUntil([&] { return attached; }));

    m_sim->directive(u"call 9 bob - -"_s);
    ASSERT_TRUE(waitUntil([&] { return lines.contains(u"CALL 9 DURATION 2"_s); }));
    m_sim->directive(u"call-end 9"_s);
    ASSERT_TRUE(waitUntil([&] { return lines.contains(u"CALL 9 STATUS FINISHED"_s); }));
    // Long enough for a pulse that outlived the call to show.
    waitUntil([] { return false; }, 1200);
    // A loaded machine may let a third pulse in before the end; none may follow it.
    QStringList expected{u"CALL 9 STATUS INPROGRESS"_s};
    for (qsizetype second = 1; second <= std::max<qsizetype>(2, lines.size() - 2); ++second)
        expected.append(u"CALL 9 DURATION "_s + QString::number(second));
    expected.append(u"CALL 9 STATUS FINISHED"_s);
    EXPECT_EQ(lines, expected);
}
