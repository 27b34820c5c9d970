#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace verbalink;

namespace {

bool processEventsUntil(const std::function<bool()>& condition)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (!condition() && elapsed.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return condition();
}

} // namespace

TEST(SingleInstance, SecondStartHandsOverToTheFirstWhichOpensItsMenu)
{
    QTemporaryDir dir;
    SingleInstance first(dir.path(), QStringLiteral("Verbalink for Skype"));
    int requests = 0;
    QObject::connect(&first, &SingleInstance::menuRequested, [&] { ++requests; });
    ASSERT_EQ(first.claim(), SingleInstance::Role::Primary);

    SingleInstance second(dir.path(), QStringLiteral("Verbalink for Skype"));
    // The hand-over is answered by the first copy's event loop, which runs in this process too:
    // claim() only needs the bytes written, not a reply.
    EXPECT_EQ(second.claim(), SingleInstance::Role::HandedOver);
    EXPECT_TRUE(processEventsUntil([&] { return requests == 1; }));

    SingleInstance otherName(dir.path(), QStringLiteral("Other"));
    EXPECT_EQ(otherName.claim(), SingleInstance::Role::Primary);
}

TEST(SingleInstance, StaleSocketLeftByACrashIsTakenOver)
{
    QTemporaryDir dir;
    SingleInstance instance(dir.path(), QStringLiteral("Verbalink for Skype"));
    {
        QFile stale(instance.socketPath());
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(instance.claim(), SingleInstance::Role::Primary);
}

TEST(SingleInstance, GarbageOnTheSocketOpensNoMenu)
{
    QTemporaryDir dir;
    SingleInstance first(dir.path(), QStringLiteral("v"));
    int requests = 0;
    QObject::connect(&first, &SingleInstance::menuRequested, [&] { ++requests; });
    ASSERT_EQ(first.claim(), SingleInstance::Role::Primary);
    QLocalSocket socket;
    socket.connectToServer(first.socketPath());
    ASSERT_TRUE(socket.waitForConnected(5000));
    socket.write(QByteArray(100000, 'x') + "open-menu\n");
    socket.waitForBytesWritten(5000);
    EXPECT_TRUE(processEventsUntil([&] {
        socket.waitForDisconnected(10);
        return socket.state() != QLocalSocket::ConnectedState;
    }));
    EXPECT_EQ(requests, 0);
}
