#include "platform/StopSignal.h"

#include "platform/Clock.h"

#include <gtest/gtest.h>
#include <thread>

namespace verbalink {
namespace {

TEST(StopSignal, AWaitEndsWhenRaisedAndARaisedSignalStopsTheNextWaitAtOnce)
{
    StopSignal stop;
    SystemClock clock;
    EXPECT_TRUE(clock.waitUnlessStopped(1, stop)); // ran out: not stopped
    // A minute-long wait: only the raise can end it within the test's time.
    std::thread raiser([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        stop.raise();
    });
    EXPECT_FALSE(clock.waitUnlessStopped(60000, stop));
    raiser.join();
    EXPECT_FALSE(clock.waitUnlessStopped(60000, stop));
    stop.reset();
    EXPECT_FALSE(stop.isRaised());
    EXPECT_FALSE(stop.waitFor(0));
}

} // namespace
} // namespace verbalink
