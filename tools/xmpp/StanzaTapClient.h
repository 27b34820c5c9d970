#pragma once

#include <functional>
#include <gloox/client.h>

namespace verbalink::xmpp {

// gloox's client that also shows every top-level element to a tap, as it came off the wire,
// before gloox acts on it: the client reads messages itself (one checked path for everything
// from the network) and sees the server's stream management acknowledgements.
class StanzaTapClient : public gloox::Client {
public:
    using Tap = std::function<void(const gloox::Tag& tag)>;

    StanzaTapClient(const gloox::JID& jid, const std::string& password, Tap tap);

    void handleTag(gloox::Tag* tag) override;
    // The number of stanzas sent in this stream, the last one's number for stream management.
    int stanzasCounted() const { return stanzasSent(); }

private:
    Tap m_tap;
};

} // namespace verbalink::xmpp
