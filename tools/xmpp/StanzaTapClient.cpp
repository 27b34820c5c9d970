#include "StanzaTapClient.h"

#include <gloox/tag.h>

namespace verbalink::xmpp {

StanzaTapClient::StanzaTapClient(const gloox::JID& jid, const std::string& password, Tap tap)
    : gloox::Client(jid, password), m_tap(std::move(tap))
{}

void StanzaTapClient::handleTag(gloox::Tag* tag)
{
    // First, while the tag surely lives: gloox may tear the stream down while it handles it.
    if (tag && m_tap)
        m_tap(*tag);
    gloox::Client::handleTag(tag);
}

} // namespace verbalink::xmpp
