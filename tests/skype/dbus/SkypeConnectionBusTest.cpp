// The whole link against the real simulator on a private bus: attach, keep-alive, notifications
// and the loss of PONG, with time running fifty times faster than the wall clock.

#include "EventWait.h"
#include "FakeMessageBox.h"
#include "PrivateBus.h"
#include "SimProcess.h"
#include "platform/Clock.h"
#include "skype/SkypeConnection.h"
#include "skype/dbus/DBusSkypeTransport.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMutex>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

using namespace verbalink;
using verbalink::testing::PrivateBus;
using verbalink::testing::SimProcess;
using verbalink::testing::waitUntil;

namespace {

// Virtual time that runs Factor times faster than real time, so that the link's minute-long
// rules play out in a second or two while every wait stays a real wait.
class FastClock final : public Clock {
public:
    static constexpr qint64 Factor = 50;
    FastClock() { m_real.start(); }
    qint64 nowMs() const override { return m_real.elapsed() * Factor; }
    void sleepMs(qint64 ms) override
    {
        std::this_thread::sleep_for(std::chrono::microseconds(ms * 1000 / Factor));
    }

private:
    QElapsedTimer m_real;
};

QStringList readLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

class Recorder {
public:
    void log(const QString& line)
    {
        QMutexLocker lock(&m_mutex);
        m_log.append(line);
    }
    void event(const ChatMessageEvent& e)
    {
        QMutexLocker lock(&m_mutex);
        m_events.append(e);
    }
    QStringList log() const
    {
        QMutexLocker lock(&m_mutex);
        return m_log;
    }
    QList<ChatMessageEvent> events() const
    {
        QMutexLocker lock(&m_mutex);
        return m_events;
    }

private:
    mutable QMutex m_mutex;
    QStringList m_log;
    QList<ChatMessageEvent> m_events;
};

} // namespace

TEST(SkypeConnectionOverDBus, AttachesKeepsAliveDispatchesAndRecoversFromSilence)
{
    PrivateBus bus;
    QString error;
    ASSERT_TRUE(bus.start(error)) << qPrintable(error);
    QTemporaryDir dir;
    const QString commandLog = dir.filePath(QStringLiteral("commands.log"));
    SimProcess sim(bus.address());
    ASSERT_TRUE(sim.start(
        {QStringLiteral("--log"), commandLog, QStringLiteral("--handle"), QStringLiteral("carol")},
        error))
        << qPrintable(error);

    DBusSkypeTransport transport(bus.connect());
    FastClock clock;
    test::FakeMessageBox boxes;
    Recorder recorder;
    SkypeConnection link(transport, clock, boxes);
    link.handlers().onLog.set([&](const QString& line) { recorder.log(line); });
    link.handlers().onChatMessageEvent.set(
        [&](const ChatMessageEvent& e, const SkypeEndpoint&) { recorder.event(e); });
    ASSERT_TRUE(link.start());

    // Attach, then the four commands in order.
    ASSERT_TRUE(waitUntil([&] { return link.attachState() == 2; }));
    EXPECT_EQ(link.endpoints(), QList<SkypeEndpoint>{sim.uniqueName()});
    ASSERT_TRUE(waitUntil([&] { return readLines(commandLog).size() >= 5; }));
    EXPECT_EQ(
        readLines(commandLog).mid(0, 5),
        QStringList({QStringLiteral("NAME Verbalink"), QStringLiteral("PROTOCOL 8"),
                     QStringLiteral("CREATE APPLICATION Verbalink"),
                     QStringLiteral("GET CURRENTUSERHANDLE"), QStringLiteral("GET UI_LANGUAGE")}));
    ASSERT_TRUE(waitUntil([&] { return link.session().currentUserHandle() == "carol"; }));

    // A minute of virtual time later the first PING goes out and its PONG comes back.
    ASSERT_TRUE(waitUntil([&] { return readLines(commandLog).contains(QStringLiteral("PING")); }));
    ASSERT_TRUE(waitUntil([&] { return recorder.log().contains(QStringLiteral("PONG")); }));

    // A notification pushed by the client reaches the dispatcher.
    sim.directive(QStringLiteral("notify CHATMESSAGE 7 STATUS RECEIVED"));
    ASSERT_TRUE(waitUntil([&] { return !recorder.events().isEmpty(); }));
    EXPECT_EQ(recorder.events().first().id, 7);
    EXPECT_EQ(recorder.events().first().status, QStringLiteral("RECEIVED"));

    // A client that stops answering PING is given up after 100 s and attached again.
    sim.directive(QStringLiteral("silent-ping on"));
    ASSERT_TRUE(
        waitUntil([&] { return recorder.log().contains(QStringLiteral("PONG is missing...")); }));
    ASSERT_TRUE(waitUntil([&] {
        return readLines(commandLog).count(QStringLiteral("NAME Verbalink")) >= 2 &&
               link.attachState() == 2;
    }));
    EXPECT_TRUE(boxes.boxes().isEmpty());
    link.stop();
}
