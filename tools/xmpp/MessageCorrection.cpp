#include "MessageCorrection.h"

#include <gloox/tag.h>

namespace verbalink::xmpp {

const std::string& MessageCorrection::ns()
{
    static const std::string name = "urn:xmpp:message-correct:0";
    return name;
}

MessageCorrection::MessageCorrection(std::string replacedId)
    : gloox::StanzaExtension(Type), m_replacedId(std::move(replacedId))
{}

MessageCorrection::MessageCorrection(const gloox::Tag* tag) : gloox::StanzaExtension(Type)
{
    if (tag && tag->name() == "replace" && tag->xmlns() == ns())
        m_replacedId = tag->findAttribute("id");
}

const std::string& MessageCorrection::filterString() const
{
    static const std::string filter = "/message/replace[@xmlns='" + ns() + "']";
    return filter;
}

gloox::StanzaExtension* MessageCorrection::newInstance(const gloox::Tag* tag) const
{
    return new MessageCorrection(tag);
}

gloox::Tag* MessageCorrection::tag() const
{
    auto* replace = new gloox::Tag("replace", "xmlns", ns());
    replace->addAttribute("id", m_replacedId);
    return replace;
}

gloox::StanzaExtension* MessageCorrection::clone() const
{
    return new MessageCorrection(m_replacedId);
}

} // namespace verbalink::xmpp
