#pragma once

#include "IncomingMessage.h"

#include <QString>
#include <optional>

namespace gloox {
class Tag;
}

namespace verbalink::xmpp {

// Reads a <message/> stanza from the network into an IncomingMessage, unwrapping carbon
// copies. Everything else is refused with a reason for the log: another stanza, an error, no
// body, a body over MaxBodyBytes, a malformed JID, a carbon copy not from the own account.
class StanzaReader {
public:
    static constexpr qsizetype MaxBodyBytes = 1024 * 1024;

    explicit StanzaReader(QString ownBareJid) : m_ownBareJid(std::move(ownBareJid)) {}

    std::optional<IncomingMessage> read(const gloox::Tag& stanza, QString& error) const;

private:
    std::optional<IncomingMessage> readMessage(const gloox::Tag& stanza, bool fromOwnDevice,
                                               QString& error) const;
    // The message inside a carbon copy (<sent/> or <received/>); null when there is none.
    const gloox::Tag* carbonInside(const gloox::Tag& stanza, bool& sent) const;

    QString m_ownBareJid;
};

} // namespace verbalink::xmpp
