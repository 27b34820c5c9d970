#pragma once

#include <QByteArrayView>
#include <chrono>

namespace verbalink::gateway {

// Writes all bytes to a socket, waiting for room as long as the deadline allows, so a peer that
// stops reading cannot hold the writer forever. Never raises SIGPIPE. False when the bytes could
// not all be written in time.
bool writeAll(int socket, QByteArrayView bytes, std::chrono::steady_clock::time_point deadline);

} // namespace verbalink::gateway
