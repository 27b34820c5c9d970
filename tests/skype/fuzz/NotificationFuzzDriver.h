#pragma once

#include <QByteArrayView>
#include <QString>

namespace verbalink::fuzz {

// Feeds lines from the chat client, any bytes at all, through the link's channel, dispatcher,
// contact and call handling and chat message tracker, and checks: each message id is handed on
// at most once, with a body the client really sent; lines from a client that never attached
// change nothing; no command carries a NUL; and every outgoing message handed on can still be
// replaced. Input: a switch byte (bit 0 encryption on), then lines separated by LF; a line
// starting with 0x01 comes from a stranger.
QString driveNotifications(QByteArrayView input);

} // namespace verbalink::fuzz
