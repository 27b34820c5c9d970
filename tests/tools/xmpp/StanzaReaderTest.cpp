#include "StanzaReader.h"

#include "XmlStanzas.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace verbalink::xmpp;
using verbalink::xmpp::test::parseStanza;

namespace {

const QString own = u"alice@example.org"_s;

// "kind|from|nick|body|lang|id|replaces|own", or "refused: <reason>".
QString readOut(const QString& xml)
{
    const std::unique_ptr<gloox::Tag> tag = parseStanza(xml);
    if (!tag)
        return u"unparsed"_s;
    QString error;
    const std::optional<IncomingMessage> message = StanzaReader(own).read(*tag, error);
    if (!message)
        return u"refused: "_s + error;
    const QString kind = message->kind == IncomingMessage::Kind::Group ? u"group"_s : u"chat"_s;
    const QStringList fields{kind,
                             message->from,
                             message->nick,
                             message->body,
                             message->lang,
                             message->stanzaId,
                             message->replaces,
                             message->ownFromOtherDevice ? u"own"_s : QString()};
    return fields.join(u'|');
}

QString carbon(const QString& kind, const QString& outerFrom, const QString& inner)
{
    return u"<message from='%1' to='alice@example.org/desk' type='chat'><%2 "
           u"xmlns='urn:xmpp:carbons:2'>"
           u"<forwarded xmlns='urn:xmpp:forward:0'>%3</forwarded></%2></message>"_s.arg(
               outerFrom, kind, inner);
}

} // namespace

TEST(StanzaReaderTest, MessagesAreReadAndEverythingElseIsRefused)
{
    const struct {
        QString xml;
        QString expected;
    } cases[] = {
        {u"<message from='Bob@Example.org/phone' type='chat' id='m1' xml:lang='es'><body>Hola</body></message>"_s,
         u"chat|bob@example.org||Hola|es|m1||"_s},
        // The body's own language wins over the stanza's.
        {u"<message from='bob@example.org' xml:lang='en'><body xml:lang='ca'>Bon dia</body></message>"_s,
         u"chat|bob@example.org||Bon dia|ca|||"_s},
        {u"<message from='lounge@rooms.example.org/Carol' type='groupchat' id='g'><body>hi &amp; bye</body></message>"_s,
         u"group|lounge@rooms.example.org|Carol|hi & bye||g||"_s},
        // XML drops the CR of an encrypted body's marker line; the other copy needs it back.
        {u"<message from='bob@example.org'><body>[Verbalink Encrypted Message]\nq80=\n"
         u"[Verbalink Encrypted Message]\r\nx</body></message>"_s,
         u"chat|bob@example.org||[Verbalink Encrypted Message]\r\nq80=\n"
         u"[Verbalink Encrypted Message]\r\nx||||"_s},
        {u"<message from='bob@example.org'><body>[Verbalink Encrypted Message]</body></message>"_s,
         u"chat|bob@example.org||[Verbalink Encrypted Message]||||"_s},
        {u"<message from='bob@example.org/x' type='chat' id='m2'><body>Fixed</body>"
         u"<replace xmlns='urn:xmpp:message-correct:0' id='m1'/></message>"_s,
         u"chat|bob@example.org||Fixed||m2|m1|"_s},
        {carbon(
             u"sent"_s, own,
             u"<message from='alice@example.org/phone' to='bob@example.org' type='chat'><body>mine</body></message>"_s),
         u"chat|bob@example.org||mine||||own"_s},
        {carbon(
             u"received"_s, own,
             u"<message from='bob@example.org/pc' to='alice@example.org/phone' type='chat'><body>theirs</body></message>"_s),
         u"chat|bob@example.org||theirs||||"_s},
        {carbon(u"sent"_s, u"mallory@example.org"_s,
                u"<message from='bob@example.org' type='chat'><body>forged</body></message>"_s),
         u"refused: a carbon copy that is not from the own account"_s},
        // The own account writing to itself is the user too.
        {u"<message from='alice@example.org/phone' type='chat'><body>note</body></message>"_s,
         u"chat|alice@example.org||note||||own"_s},
        {u"<message from='bob@example.org' type='chat'><subject>x</subject></message>"_s,
         u"refused: a message without a body"_s},
        {u"<message from='bob@example.org' type='error'><body>x</body></message>"_s,
         u"refused: a message of type error"_s},
        {u"<message type='chat'><body>x</body></message>"_s, u"refused: a malformed JID: "_s},
        {u"<message from='@example.org' type='chat'><body>x</body></message>"_s,
         u"refused: a malformed JID: @example.org"_s},
        {u"<message from='bob@' type='chat'><body>x</body></message>"_s,
         u"refused: a malformed JID: bob@"_s},
        {u"<message from='lounge@rooms.example.org' type='groupchat'><body>topic</body></message>"_s,
         u"refused: a room's own message (no occupant)"_s},
        {u"<presence from='bob@example.org'/>"_s, u"refused: not a message: <presence>"_s},
    };
    for (const auto& [xml, expected] : cases)
        EXPECT_EQ(readOut(xml), expected) << qPrintable(xml);
}

TEST(StanzaReaderTest, ABodyOverOneMebibyteIsRefused)
{
    const QString limit(StanzaReader::MaxBodyBytes, u'a');
    const QString stanza =
        u"<message from='bob@example.org' type='chat'><body>%1</body></message>"_s;
    EXPECT_TRUE(readOut(stanza.arg(limit)).startsWith(u"chat|bob@example.org||aaa"_s));
    EXPECT_EQ(readOut(stanza.arg(limit + u'a')), u"refused: a body of 1048577 bytes"_s);
    // Counted in bytes as they travel, not in characters.
    EXPECT_EQ(readOut(stanza.arg(QString(StanzaReader::MaxBodyBytes / 2 + 1, u'\u00e9'))),
              u"refused: a body of 1048578 bytes"_s);
}
