#include "audio/MonitorOutput.h"

#include "audio/PlaybackQueue.h"

#include <gtest/gtest.h>
#include <vector>

using namespace verbalink;

namespace {

QByteArray samples(std::initializer_list<qint16> values)
{
    return QByteArray(reinterpret_cast<const char*>(std::data(values)),
                      qsizetype(values.size() * sizeof(qint16)));
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
    EXPECT_EQ(queue.blocks(), 1);
    EXPECT_EQ(queue.pull(out.data(), 4), 1);
    EXPECT_EQ(out, (std::vector<qint16>{5, 0, 0, 0}));
    EXPECT_EQ(queue.blocks(), 0);
}

TEST(MonitorQueue, RefusesBadBlocksAndDropsPastItsLimit)
{
    PlaybackQueue queue;
    EXPECT_FALSE(queue.push({}));
    EXPECT_FALSE(queue.push(QByteArrayView("abc", 3)));
    for (qsizetype i = 0; i < PlaybackQueue::MaxBlocks; ++i)
        ASSERT_TRUE(queue.push(samples({qint16(i)})));
    EXPECT_FALSE(queue.push(samples({-7})));
    EXPECT_EQ(queue.blocks(), PlaybackQueue::MaxBlocks);
    // Room again once the device has played one; the dropped block never shows up.
    std::vector<qint16> out(PlaybackQueue::MaxBlocks + 1);
    queue.pull(out.data(), 1);
    EXPECT_TRUE(queue.push(samples({9})));
    queue.pull(out.data(), qsizetype(out.size()));
    EXPECT_EQ(out[0], 1);
    EXPECT_EQ(out[PlaybackQueue::MaxBlocks - 2], PlaybackQueue::MaxBlocks - 1);
    EXPECT_EQ(out[PlaybackQueue::MaxBlocks - 1], 9);
    EXPECT_EQ(out[PlaybackQueue::MaxBlocks], 0);
}

TEST(MonitorOutputWithoutDevice, WritesFailQuietly)
{
    // ALSA without any device, whatever the machine has.
    qputenv("ALSA_CONFIG_PATH", ALSA_CONFIGS "/none.conf");
    MonitorOutput monitor;
    EXPECT_FALSE(monitor.open(16000.0));
    EXPECT_FALSE(monitor.isOpen());
    EXPECT_FALSE(monitor.error().isEmpty());
    const QByteArray block(640, '\1');
    for (int i = 0; i < 1000; ++i)
        ASSERT_FALSE(monitor.write(block));
    EXPECT_EQ(monitor.queuedBlocks(), 0);
    monitor.close();
    EXPECT_FALSE(monitor.open(16000.0));
}
