#include "gateway/SocketWrite.h"

#include <cerrno>
#include <poll.h>
#include <sys/socket.h>

namespace verbalink::gateway {

bool writeAll(int socket, QByteArrayView bytes, std::chrono::steady_clock::time_point deadline)
{
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              deadline - std::chrono::steady_clock::now())
                              .count();
        pollfd entry{socket, POLLOUT, 0};
        const int ready = ::poll(&entry, 1, left > 0 ? int(left) : 0);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return false;
        const ssize_t n = ::send(socket, bytes.data() + sent, size_t(bytes.size() - sent),
                                 MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (n <= 0)
            return false;
        sent += n;
    }
    return true;
}

} // namespace verbalink::gateway
