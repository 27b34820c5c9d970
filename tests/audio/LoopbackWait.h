#pragma once

#include <QtGlobal>
#include <chrono>
#include <functional>
#include <thread>

namespace verbalink::test {

inline constexpr quint32 Loopback = 0x7f000001;

// Polls a condition that another thread (a server's, the engine's) brings about; gives up after
// five seconds. The condition may consume what it finds, so it is asked once per poll.
inline bool eventually(const std::function<bool()>& condition)
{
    for (int i = 0; i < 1000; ++i) {
        if (condition())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return condition();
}

} // namespace verbalink::test
