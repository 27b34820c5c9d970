#include "audio/MonitorOutput.h"

#include <QtGlobal>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

using namespace verbalink;
using namespace std::chrono_literals;

TEST(MonitorOutputOnDevice, PlaysWhatIsWrittenAndClosesOnceDrained)
{
    // ALSA's null device plays into nothing, standing in for a sound card.
    qputenv("ALSA_CONFIG_PATH", ALSA_CONFIGS "/null.conf");
    MonitorOutput monitor;
    ASSERT_TRUE(monitor.open(15999.6)) << monitor.error().toStdString();
    const QByteArray block(640, '\1');
    for (int i = 0; i < 50; ++i)
        ASSERT_TRUE(monitor.write(block));
    EXPECT_FALSE(monitor.write(QByteArray(3, '\0')));
    for (int i = 0; i < 5000 && monitor.queuedSamples() > 0; ++i)
        std::this_thread::sleep_for(1ms);
    EXPECT_EQ(monitor.queuedSamples(), 0);
    monitor.close();
    EXPECT_FALSE(monitor.isOpen());
    EXPECT_FALSE(monitor.write(block));
    // A second monitor opens the device again after the first let it go.
    MonitorOutput again;
    EXPECT_TRUE(again.open(16000.0));
}
