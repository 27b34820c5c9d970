#pragma once

#include <gloox/stanzaextension.h>
#include <string>

namespace verbalink::xmpp {

// Last message correction (XEP-0308), which gloox lacks: <replace id='...'/> in the namespace
// urn:xmpp:message-correct:0, naming the stanza id of the message it replaces.
class MessageCorrection : public gloox::StanzaExtension {
public:
    static constexpr int Type = gloox::ExtUser + 308;
    static const std::string& ns();

    explicit MessageCorrection(std::string replacedId = {});
    explicit MessageCorrection(const gloox::Tag* tag);

    const std::string& replacedId() const { return m_replacedId; }

    const std::string& filterString() const override;
    gloox::StanzaExtension* newInstance(const gloox::Tag* tag) const override;
    gloox::Tag* tag() const override;
    gloox::StanzaExtension* clone() const override;

private:
    std::string m_replacedId;
};

} // namespace verbalink::xmpp
