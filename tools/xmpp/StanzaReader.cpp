#include "StanzaReader.h"

#include "EncryptedMarker.h"

#include <gloox/jid.h>
#include <gloox/tag.h>

using namespace Qt::StringLiterals;

namespace verbalink::xmpp {

namespace {

constexpr const char* CarbonsNs = "urn:xmpp:carbons:2";
constexpr const char* ForwardNs = "urn:xmpp:forward:0";
constexpr const char* CorrectionNs = "urn:xmpp:message-correct:0";

QString text(const std::string& utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

// A JID that stringprep accepts and that names a server; a bare one has no resource.
std::optional<gloox::JID> validJid(const std::string& address)
{
    gloox::JID jid;
    if (address.empty() || !jid.setJID(address) || jid.server().empty())
        return std::nullopt;
    return jid;
}

// gloox keeps the xml: prefix apart from the attribute's name.
QString languageOf(const gloox::Tag& tag)
{
    for (const gloox::Tag::Attribute* attribute : tag.attributes()) {
        if ((attribute->name() == "lang" && attribute->prefix() == "xml") ||
            attribute->name() == "xml:lang")
            return text(attribute->value());
    }
    return {};
}

} // namespace

std::optional<IncomingMessage> StanzaReader::read(const gloox::Tag& stanza, QString& error) const
{
    if (stanza.name() != "message") {
        error = u"not a message: <"_s + text(stanza.name()) + u'>';
        return std::nullopt;
    }
    bool sent = false;
    if (const gloox::Tag* inner = carbonInside(stanza, sent)) {
        const std::optional<gloox::JID> from = validJid(stanza.findAttribute("from"));
        if (!from || text(from->full()) != m_ownBareJid) {
            error = u"a carbon copy that is not from the own account"_s;
            return std::nullopt;
        }
        return readMessage(*inner, sent, error);
    }
    return readMessage(stanza, false, error);
}

std::optional<IncomingMessage> StanzaReader::readMessage(const gloox::Tag& stanza,
                                                         bool fromOwnDevice, QString& error) const
{
    const std::string type = stanza.findAttribute("type");
    if (type == "error" || type == "headline") {
        error = u"a message of type "_s + text(type);
        return std::nullopt;
    }
    const gloox::Tag* body = stanza.findChild("body");
    if (!body) {
        error = u"a message without a body"_s;
        return std::nullopt;
    }
    const std::string bodyText = body->cdata();
    if (qsizetype(bodyText.size()) > MaxBodyBytes) {
        error = u"a body of %1 bytes"_s.arg(bodyText.size());
        return std::nullopt;
    }
    const std::string address =
        fromOwnDevice ? stanza.findAttribute("to") : stanza.findAttribute("from");
    const std::optional<gloox::JID> jid = validJid(address);
    if (!jid) {
        error = u"a malformed JID: "_s + text(address).left(200);
        return std::nullopt;
    }
    IncomingMessage message;
    message.kind = type == "groupchat" ? IncomingMessage::Kind::Group : IncomingMessage::Kind::Chat;
    message.from = text(jid->bare());
    if (message.kind == IncomingMessage::Kind::Group) {
        message.nick = text(jid->resource());
        if (message.nick.isEmpty()) {
            error = u"a room's own message (no occupant)"_s;
            return std::nullopt;
        }
    }
    message.body = EncryptedMarker::restoreLineEnd(text(bodyText));
    const QString bodyLang = languageOf(*body);
    message.lang = bodyLang.isEmpty() ? languageOf(stanza) : bodyLang;
    message.stanzaId = text(stanza.findAttribute("id"));
    if (const gloox::Tag* replace = stanza.findChild("replace", "xmlns", CorrectionNs))
        message.replaces = text(replace->findAttribute("id"));
    // Written by the user on another device, whether or not it came as a carbon copy.
    message.ownFromOtherDevice = fromOwnDevice || (message.kind == IncomingMessage::Kind::Chat &&
                                                   message.from == m_ownBareJid);
    return message;
}

const gloox::Tag* StanzaReader::carbonInside(const gloox::Tag& stanza, bool& sent) const
{
    const gloox::Tag* copy = stanza.findChild("sent", "xmlns", CarbonsNs);
    sent = copy != nullptr;
    if (!copy)
        copy = stanza.findChild("received", "xmlns", CarbonsNs);
    if (!copy)
        return nullptr;
    const gloox::Tag* forwarded = copy->findChild("forwarded", "xmlns", ForwardNs);
    return forwarded ? forwarded->findChild("message") : nullptr;
}

} // namespace verbalink::xmpp
