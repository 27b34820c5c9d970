#include "StanzaFuzzDriver.h"

#include "ApiChats.h"
#include "XmlStanzas.h"
#include "XmppWorld.h"

using namespace Qt::StringLiterals;

namespace verbalink::xmpp::fuzz {

namespace {

const QString ownJid = u"alice@example.org"_s;
const QString room = u"lounge@rooms.example.org"_s;

class SilentLink : public XmppLink {
public:
    QString send(const OutgoingMessage&) override
    {
        ++sent;
        return u"s"_s + QString::number(sent);
    }
    bool supportsCorrection(const QString&) const override { return true; }

    int sent = 0;
};

QString field(desktopapi::DesktopApi& api, int id, const QString& property)
{
    const QString prefix = u"CHATMESSAGE %1 %2 "_s.arg(id).arg(property);
    const QString reply = api.handle(u"GET CHATMESSAGE %1 %2"_s.arg(id).arg(property)).reply;
    return reply.startsWith(prefix) ? reply.mid(prefix.size()) : u"\uFFFF"_s + reply;
}

// The rules for one stanza, given what the reader made of it and what the world did.
QString check(desktopapi::DesktopApi& api, const std::optional<IncomingMessage>& read,
              const QStringList& pushed, int logged, int id)
{
    if (!read)
        return pushed.isEmpty() && logged == 1 ? QString() : u"a refused stanza had effects"_s;
    const bool own = read->ownFromOtherDevice ||
                     (read->kind == IncomingMessage::Kind::Group && read->nick == u"alice"_s);
    if (pushed.isEmpty())
        return own || (read->kind == IncomingMessage::Kind::Group && read->from != room)
                   ? QString()
                   : u"a message was lost"_s;
    if (own)
        return u"the user's own message was reported as received"_s;
    if (pushed != QStringList{u"CHATMESSAGE %1 STATUS RECEIVED"_s.arg(id)})
        return u"unexpected lines: "_s + pushed.join(u" | "_s);
    if (read->body.toUtf8().size() > StanzaReader::MaxBodyBytes)
        return u"a body over the limit was taken"_s;
    if (field(api, id, u"BODY"_s) != read->body)
        return u"the body changed on its way"_s;
    const QString author = field(api, id, u"FROM_HANDLE"_s);
    if (!desktopapi::ApiChats::isValidHandle(author) || author == api.state().ownHandle)
        return u"a bad author handle: "_s + author;
    const QString chat = field(api, id, u"CHATNAME"_s);
    if (!api.handle(u"GET CHAT "_s + chat + u" STATUS"_s).reply.startsWith(u"CHAT "_s))
        return u"a message in an unknown chat: "_s + chat;
    return {};
}

} // namespace

QString driveStanzas(QByteArrayView input)
{
    SilentLink link;
    QStringList pushed;
    int logged = 0;
    XmppWorld world(
        {ownJid, {}}, link, [] { return qint64(0); },
        [&pushed](const QString& line) { pushed.append(line); },
        [&logged](const QString&) { ++logged; });
    world.setOnline(true);
    world.rosterItem(u"bob@example.org"_s, u"Bob"_s);
    world.roomJoined(room, u"alice"_s);
    world.occupantPresent(room, u"Bobby"_s, u"bob@example.org"_s);
    world.occupantPresent(room, u"Carol"_s, {});

    const StanzaReader reader(ownJid);
    int nextId = 1;
    for (const std::unique_ptr<gloox::Tag>& tag : test::parseStanzas(input)) {
        QString error;
        const std::optional<IncomingMessage> read = reader.read(*tag, error);
        pushed.clear();
        logged = 0;
        world.stanzaReceived(*tag);
        const QString broken = check(world.api(), read, pushed, logged, nextId);
        if (!broken.isEmpty())
            return broken;
        nextId += int(pushed.size());
    }
    return link.sent == 0 ? QString() : u"receiving sent something"_s;
}

} // namespace verbalink::xmpp::fuzz
