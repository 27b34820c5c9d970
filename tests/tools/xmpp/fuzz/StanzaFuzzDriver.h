#pragma once

#include <QByteArrayView>
#include <QString>

namespace verbalink::xmpp::fuzz {

// Feeds any bytes as a stream of stanzas to the XMPP client's core (with a roster contact and
// a joined room) and checks what reaches the desktop API: each message the reader accepts is
// one received chat message with its body, by a valid handle other than the user's, in a chat
// the API knows; a refused stanza changes nothing and is logged; receiving never sends.
// Returns what broke, or an empty string when every rule held.
QString driveStanzas(QByteArrayView input);

} // namespace verbalink::xmpp::fuzz
