#include "audio/MonitorOutput.h"

#include "AllocationCount.h"
#include "LoopbackWait.h"
#include "audio/PlaybackQueue.h"

#include <gtest/gtest.h>
#include <numeric>
#include <thread>
#include <vector>

using namespace verbalink;

namespace {

QByteArray samples(std::initializer_list<qint16> values)
{
    return QByteArray(reinterpret_cast<const char*>(std::data(values)),
                      qsizetype(values.size() * sizeof(qint16)));
}

QByteArrayView bytesOf(const std::vector<qint16>& values)
{
    return {reinterpret_cast<const char*>(values.data()), qsizetype(values.size() * 2)};
}

// Sample n of a numbered stream: never 0, so it cannot pass for the silence of an empty queue.
qint16 numbered(qint64 n)
{
    return qint16(n % 30000 + 1);
}

std::vector<qint16> numberedBlock(qint64 first, qsizetype count)
{
    std::vector<qint16> block(static_cast<size_t>(count));
    for (qsizetype i = 0; i < count; ++i)
        block[size_t(i)] = numbered(first + i);
    return block;
}

} // namespace

TEST(MonitorQueue, PlaysBlocksInOrderAcrossCallbacksThenSilence)
{
    PlaybackQueue queue;
    ASSERT_TRUE(queue.push(samples({1, 2, 3})));
    ASSERT_TRUE(queue.push(samples({4, 5})));
    std::vector<qint16> out(4, -1);
    EXPECT_EQ(queue.pull(out.data(), 4), 4);
    EXPECT_EQ(out, (std::vector<qint16>{1, 2, 3, 4}));
    EXPECT_EQ(queue.queued(), 1);
    EXPECT_EQ(queue.pull(out.data(), 4), 1);
    EXPECT_EQ(out, (std::vector<qint16>{5, 0, 0, 0}));
    EXPECT_EQ(queue.queued(), 0);
    queue.push(samples({6, 7}));
    queue.clear();
    EXPECT_EQ(queue.pull(out.data(), 2), 0);
    EXPECT_EQ(out, (std::vector<qint16>{0, 0, 0, 0}));
}

TEST(MonitorQueue, RefusesBadBlocksAndWhatDoesNotFitWhole)
{
    PlaybackQueue queue;
    EXPECT_FALSE(queue.push({}));
    EXPECT_FALSE(queue.push(QByteArrayView("abc", 3)));
    // 320 blocks of 20 ms fill it; the next block, and any part of it, is dropped.
    constexpr qsizetype Block = 320;
    for (qsizetype i = 0; i < PlaybackQueue::Capacity / Block; ++i)
        ASSERT_TRUE(queue.push(bytesOf(numberedBlock(i * Block, Block)))) << i;
    EXPECT_FALSE(queue.push(samples({-7})));
    EXPECT_EQ(queue.queued(), PlaybackQueue::Capacity);
    // Room for one block again once the device has played one: the new block wraps around the
    // end, and the dropped one never shows up.
    std::vector<qint16> out(size_t(PlaybackQueue::Capacity + 1));
    ASSERT_EQ(queue.pull(out.data(), Block + 1), Block + 1);
    EXPECT_FALSE(queue.push(bytesOf(numberedBlock(PlaybackQueue::Capacity, Block + 2))));
    EXPECT_TRUE(queue.push(bytesOf(numberedBlock(PlaybackQueue::Capacity, Block))));
    ASSERT_EQ(queue.pull(out.data(), qsizetype(out.size())), PlaybackQueue::Capacity - 1);
    EXPECT_EQ(std::vector(out.begin(), out.end() - 2),
              numberedBlock(Block + 1, PlaybackQueue::Capacity - 1));
    EXPECT_EQ(out.back(), 0);
}

TEST(MonitorQueue, PushingAndPlayingAllocateNothing)
{
    PlaybackQueue queue;
    const std::vector<qint16> block = numberedBlock(0, 320);
    std::vector<qint16> out(441);
    {
        test::AllocationCount probe;
        const QByteArray bytes(64, 'x');
        ASSERT_GT(probe.count(), 0) << "the count sees no allocation at all";
    }
    test::AllocationCount allocations;
    // Blocks the engine writes and the device's odd-sized requests, round the ring several times.
    for (int round = 0; round < 2000; ++round) {
        queue.push(bytesOf(block));
        queue.pull(out.data(), round % 2 == 0 ? qsizetype(out.size()) : 199);
    }
    EXPECT_EQ(allocations.count(), 0);
}

TEST(MonitorQueue, TheDeviceGetsTheEngineStreamInOrderWhileBothRun)
{
    PlaybackQueue queue;
    constexpr qint64 Total = 400000;
    std::thread engine([&] {
        for (qint64 sent = 0; sent < Total;) {
            const qsizetype size = std::min<qint64>(1 + sent % 500, Total - sent);
            if (queue.push(bytesOf(numberedBlock(sent, size))))
                sent += size;
            else
                std::this_thread::yield();
        }
    });
    std::vector<qint16> heard;
    std::vector<qint16> out(256);
    while (qint64(heard.size()) < Total) {
        const qsizetype got = queue.pull(out.data(), 1 + qsizetype(heard.size() % 256));
        heard.insert(heard.end(), out.begin(), out.begin() + got);
    }
    engine.join();
    EXPECT_TRUE(heard == numberedBlock(0, Total));
}

TEST(MonitorOutputWithoutDevice, WritesFailQuietly)
{
    // ALSA without any device, whatever the machine has.
    qputenv("ALSA_CONFIG_PATH", ALSA_CONFIGS "/none.conf");
    MonitorOutput monitor;
    monitor.open(16000.0);
    ASSERT_TRUE(test::eventually([&] { return !monitor.error().isEmpty(); }));
    EXPECT_FALSE(monitor.isOpen());
    const QByteArray block(640, '\1');
    for (int i = 0; i < 1000; ++i)
        ASSERT_FALSE(monitor.write(block));
    EXPECT_EQ(monitor.queuedSamples(), 0);
    monitor.close();
    monitor.open(16000.0);
    ASSERT_TRUE(test::eventually([&] { return !monitor.error().isEmpty(); }));
    EXPECT_FALSE(monitor.isOpen());
}
