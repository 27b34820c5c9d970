#pragma once

#include <QString>

namespace verbalink::xmpp {

// The program writes the chat client's emoticon code "(flag:es)"; no XMPP client knows those
// codes, so they travel as the Unicode flag of the region (two regional indicator letters).
class FlagCodes {
public:
    // Every "(flag:xx)" with two ASCII letters becomes that region's flag; anything else stays.
    static QString toUnicode(const QString& text);
};

} // namespace verbalink::xmpp
