#pragma once

#include <QByteArrayView>
#include <QString>

namespace verbalink::fuzz {

// Plays a proxy whose replies come from the input, through a whole exchange, and checks the
// client's side of the conversation: every message it sends is well formed (lengths match
// what follows, long names and credentials cut at 255 bytes, a SOCKS4 user id ends at its NUL),
// it logs in only when asked, it sends the request only through a granted tunnel, a refusal is
// reported and ends with 0, and the answer is exactly what came after the request. Input: a
// route byte (bits 0-1 the proxy type HTTP, SOCKS5, SOCKS4; bit 2 a user name; bit 3 long
// credentials and host name), a mode byte as for the receive, then a ScriptedStream script.
QString driveProxyReplies(QByteArrayView input);

} // namespace verbalink::fuzz
