// The client's core against a fake network: what the program sees of the account and what
// the partners get of the program's work.
#include "XmppWorld.h"

#include "ApiMessageLog.h"
#include "FakeXmppLink.h"
#include "XmlStanzas.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace verbalink::xmpp;
using verbalink::desktopapi::ApiMessageChange;
using verbalink::xmpp::test::FakeXmppLink;
using verbalink::xmpp::test::parseStanza;

namespace {

const QString alice = u"alice@example.org"_s;
const QString bob = u"bob@example.org"_s;
const QString room = u"lounge@rooms.example.org"_s;

class XmppWorldTest : public ::testing::Test {
protected:
    XmppWorldTest()
    {
        m_world.setOnline(true);
        m_world.rosterItem(bob, u"Bob"_s);
    }

    QString reply(const QString& command) { return m_world.api().handle(command).reply; }
    QString chatWith(const QString& handle)
    {
        return reply(u"CHAT CREATE "_s + handle).section(u' ', 1, 1);
    }
    void receive(const QString& xml)
    {
        const std::unique_ptr<gloox::Tag> tag = parseStanza(xml);
        ASSERT_TRUE(tag) << qPrintable(xml);
        m_world.stanzaReceived(*tag);
    }
    void at(qint64 ms)
    {
        m_now = ms;
        m_world.advance();
    }
    // What the partners got: "to|body", "to|body|replaces <id>".
    QStringList sent() const
    {
        QStringList lines;
        for (const OutgoingMessage& message : m_link.sent)
            lines.append(
                message.to + u'|' + message.body +
                (message.replaces.isEmpty() ? QString() : u"|replaces "_s + message.replaces));
        return lines;
    }
    // The program's side of an outgoing message: it reads the body, maybe replaces it.
    void programReads(int id) { reply(u"GET CHATMESSAGE %1 BODY"_s.arg(id)); }
    void programReplaces(int id, const QString& body)
    {
        EXPECT_EQ(reply(u"SET CHATMESSAGE %1 BODY %2"_s.arg(id).arg(body)),
                  u"CHATMESSAGE %1 BODY %2"_s.arg(id).arg(body));
    }

    qint64 m_now = 0;
    FakeXmppLink m_link;
    QStringList m_pushed;
    QStringList m_logged;
    XmppWorld m_world{{alice, {}},
                      m_link,
                      [this] { return m_now; },
                      [this](const QString& line) { m_pushed.append(line); },
                      [this](const QString& line) {
                          m_logged.append(line);
                      }};
};

} // namespace

TEST_F(XmppWorldTest, TheRosterIsTheProgramsContactList)
{
    m_world.rosterItem(u"carol@example.org"_s, {});
    m_world.cardReceived(u"carol@example.org"_s, u"Carol Corner"_s, {});
    m_world.roomJoined(room, u"alice"_s);
    m_world.occupantPresent(room, u"Dave"_s, {});

    EXPECT_EQ(reply(u"GET CURRENTUSERHANDLE"_s), u"CURRENTUSERHANDLE "_s + alice);
    EXPECT_EQ(reply(u"GET GROUP 12 USERS"_s),
              u"GROUP 12 USERS bob@example.org, carol@example.org"_s);
    EXPECT_EQ(
        reply(u"GET GROUP 11 USERS"_s),
        u"GROUP 11 USERS bob@example.org, carol@example.org, Dave~lounge@rooms.example.org"_s);
    EXPECT_EQ(reply(u"GET USER bob@example.org FULLNAME"_s),
              u"USER bob@example.org FULLNAME Bob"_s);
    EXPECT_EQ(reply(u"GET USER carol@example.org FULLNAME"_s),
              u"USER carol@example.org FULLNAME Carol Corner"_s);
    EXPECT_EQ(reply(u"GET USER bob@example.org LANGUAGE"_s), u"USER bob@example.org LANGUAGE "_s);

    receive(
        u"<message from='bob@example.org/phone' type='chat' xml:lang='es-ES'><body>Hola</body></message>"_s);
    EXPECT_EQ(reply(u"GET USER bob@example.org LANGUAGE"_s),
              u"USER bob@example.org LANGUAGE es Spanish"_s);
    m_world.chooseLanguage(bob, u"ca"_s);
    EXPECT_EQ(reply(u"GET USER bob@example.org LANGUAGE"_s),
              u"USER bob@example.org LANGUAGE ca Catalan"_s);
    EXPECT_EQ(reply(u"ALTER CALL 1 SET_INPUT PORT=\"5000\""_s), u"ERROR 11 Invalid call id"_s);
    EXPECT_EQ(reply(u"GET CALL 1 STATUS"_s), u"ERROR 11 Invalid call id"_s);
}

TEST_F(XmppWorldTest, AvatarsAreTheCardsPhotos)
{
    QImage photo(40, 30, QImage::Format_RGB32);
    photo.fill(Qt::red);
    m_world.cardReceived(bob, {}, photo);
    QTemporaryDir folder;
    const QString path = folder.filePath(u"bob avatar.jpg"_s);
    EXPECT_EQ(reply(u"GET USER bob@example.org AVATAR 1 "_s + path),
              u"USER bob@example.org AVATAR 1 "_s + path);
    const QImage written(path, "JPEG");
    EXPECT_EQ(written.size(), photo.size());
    m_world.rosterItem(u"carol@example.org"_s, {});
    EXPECT_TRUE(reply(u"GET USER carol@example.org AVATAR 1 "_s + path).startsWith(u"ERROR 122"_s));
}

TEST_F(XmppWorldTest, ReceivedMessagesAreReportedOnceAndOwnOnesNot)
{
    receive(
        u"<message from='bob@example.org/phone' type='chat'><body>Hola, Alice</body></message>"_s);
    receive(u"<message from='alice@example.org' type='chat'><sent xmlns='urn:xmpp:carbons:2'>"
            u"<forwarded xmlns='urn:xmpp:forward:0'><message from='alice@example.org/phone' "
            u"to='bob@example.org' type='chat'><body>from my phone</body></message></forwarded>"
            u"</sent></message>"_s);
    receive(u"<message from='bob@example.org/phone' type='chat'><body>%1</body></message>"_s.arg(
        QString(2 * 1024 * 1024, u'x')));
    receive(u"<message from='zoe@example.org' type='chat'><body>Who is this?</body></message>"_s);

    ASSERT_EQ(m_pushed, (QStringList{u"CHATMESSAGE 1 STATUS RECEIVED"_s,
                                     u"CHATMESSAGE 2 STATUS RECEIVED"_s}));
    EXPECT_EQ(reply(u"GET CHATMESSAGE 1 FROM_HANDLE"_s),
              u"CHATMESSAGE 1 FROM_HANDLE bob@example.org"_s);
    EXPECT_EQ(reply(u"GET CHATMESSAGE 1 BODY"_s), u"CHATMESSAGE 1 BODY Hola, Alice"_s);
    EXPECT_EQ(reply(u"GET CHATMESSAGE 1 CHATNAME"_s).section(u' ', 3), chatWith(bob));
    // A stranger is a user the program can ask about, but no friend.
    EXPECT_EQ(reply(u"GET USER zoe@example.org FULLNAME"_s), u"USER zoe@example.org FULLNAME "_s);
    EXPECT_EQ(reply(u"GET GROUP 12 USERS"_s), u"GROUP 12 USERS bob@example.org"_s);
    ASSERT_EQ(m_logged.size(), 1);
    EXPECT_TRUE(m_logged.first().contains(u"a body of 2097152 bytes"_s))
        << qPrintable(m_logged.first());
}

TEST_F(XmppWorldTest, AGroupChatHasTheOccupantsAsMembers)
{
    const QString chat = m_world.roomJoined(room, u"alice"_s);
    EXPECT_EQ(m_world.roomJoined(room, u"alice"_s), chat);
    m_world.occupantPresent(room, u"alice"_s, alice);
    m_world.occupantPresent(room, u"Bobby"_s, bob);
    m_world.occupantPresent(room, u"Carol"_s, {});
    EXPECT_EQ(reply(u"GET CHAT "_s + chat + u" MEMBERS"_s),
              u"CHAT "_s + chat +
                  u" MEMBERS alice@example.org bob@example.org Carol~lounge@rooms.example.org"_s);
    EXPECT_EQ(reply(u"GET CHAT "_s + chat + u" STATUS"_s),
              u"CHAT "_s + chat + u" STATUS MULTI_SUBSCRIBED"_s);

    receive(
        u"<message from='lounge@rooms.example.org/Carol' type='groupchat'><body>Hi all</body></message>"_s);
    receive(
        u"<message from='lounge@rooms.example.org/Bobby' type='groupchat'><body>Hi</body></message>"_s);
    // The room's copy of the user's own message is no news.
    receive(
        u"<message from='lounge@rooms.example.org/alice' type='groupchat'><body>Hello</body></message>"_s);
    receive(
        u"<message from='elsewhere@rooms.example.org/Carol' type='groupchat'><body>?</body></message>"_s);
    ASSERT_EQ(m_pushed.size(), 2);
    EXPECT_EQ(reply(u"GET CHATMESSAGE 1 FROM_HANDLE"_s),
              u"CHATMESSAGE 1 FROM_HANDLE Carol~lounge@rooms.example.org"_s);
    EXPECT_EQ(reply(u"GET CHATMESSAGE 2 FROM_HANDLE"_s),
              u"CHATMESSAGE 2 FROM_HANDLE bob@example.org"_s);
    EXPECT_EQ(reply(u"GET CHATMESSAGE 2 CHATNAME"_s), u"CHATMESSAGE 2 CHATNAME "_s + chat);
    EXPECT_EQ(reply(u"GET USER Carol~lounge@rooms.example.org FULLNAME"_s),
              u"USER Carol~lounge@rooms.example.org FULLNAME Carol"_s);

    m_world.occupantGone(room, u"Carol"_s);
    EXPECT_EQ(reply(u"GET CHAT "_s + chat + u" MEMBERS"_s),
              u"CHAT "_s + chat + u" MEMBERS alice@example.org bob@example.org"_s);
    m_world.userTypesIn(chat, u"Bye (flag:es)"_s);
    EXPECT_EQ(sent(), QStringList{room + u"|Bye \U0001F1EA\U0001F1F8"_s});
    EXPECT_TRUE(m_link.sent.first().toRoom);
}

TEST_F(XmppWorldTest, WithoutAProgramTypedMessagesGoAtOnceAndAreSentWhenAcknowledged)
{
    m_world.userTypes(bob, u"Hello, how are you? (flag:gb)"_s);
    EXPECT_EQ(sent(), QStringList{bob + u"|Hello, how are you? \U0001F1EC\U0001F1E7"_s});
    // The window and the program keep the code; only the network gets the flag.
    EXPECT_EQ(reply(u"GET CHATMESSAGE 1 BODY"_s),
              u"CHATMESSAGE 1 BODY Hello, how are you? (flag:gb)"_s);
    m_world.acknowledged(u"s1"_s);
    m_world.acknowledged(u"unknown"_s);
    EXPECT_EQ(m_pushed,
              (QStringList{u"CHATMESSAGE 1 STATUS SENDING"_s, u"CHATMESSAGE 1 STATUS SENT"_s}));
    EXPECT_EQ(reply(u"GET CHATMESSAGE 1 STATUS"_s), u"CHATMESSAGE 1 STATUS SENT"_s);
}

TEST_F(XmppWorldTest, AnAttachedProgramsReplacementIsTheOneMessageThePartnerGets)
{
    m_world.setAttached(true);
    m_world.userTypes(bob, u"Hello, how are you?"_s);
    m_now = 120;
    programReads(1);
    at(1500);
    EXPECT_TRUE(m_link.sent.isEmpty());
    programReplaces(1, u"Hello, how are you?\r\nHola, ¿cómo estás?"_s);
    EXPECT_EQ(sent(), QStringList{bob + u"|Hello, how are you?\r\nHola, ¿cómo estás?"_s});
    at(10000);
    EXPECT_EQ(m_link.sent.size(), 1);

    // A program's own message goes out as an ordinary one.
    EXPECT_EQ(reply(u"CHATMESSAGE "_s + chatWith(bob) + u" Greetings"_s),
              u"CHATMESSAGE 2 STATUS SENDING"_s);
    programReads(2);
    EXPECT_EQ(sent().last(), bob + u"|Greetings"_s);
}

TEST_F(XmppWorldTest, ALateReplacementIsACorrectionWhereThePartnerTakesThem)
{
    m_world.setAttached(true);
    m_link.correcting.insert(bob);
    m_world.rosterItem(u"carol@example.org"_s, {});
    m_world.userTypes(bob, u"Hello"_s);
    m_world.userTypes(u"carol@example.org"_s, u"Hi"_s);
    programReads(1);
    programReads(2);
    at(3000);
    programReplaces(1, u"Hello / Hola"_s);
    programReplaces(2, u"Hi / Salut"_s);
    EXPECT_EQ(sent(), (QStringList{bob + u"|Hello"_s, u"carol@example.org|Hi"_s,
                                   bob + u"|Hello / Hola|replaces s1"_s}));
    ASSERT_FALSE(m_logged.isEmpty());
    EXPECT_TRUE(m_logged.last().contains(u"takes no corrections"_s)) << qPrintable(m_logged.last());
}

TEST_F(XmppWorldTest, MessagesTypedOfflineGoOutInOrderOnceBackOnline)
{
    m_world.setOnline(false);
    for (int i = 1; i <= 10; ++i)
        m_world.userTypes(bob, u"message %1"_s.arg(i));
    EXPECT_TRUE(m_link.sent.isEmpty());
    m_world.setOnline(true);
    m_world.setOnline(true);
    QStringList expected;
    for (int i = 1; i <= 10; ++i)
        expected.append(bob + u"|message %1"_s.arg(i));
    EXPECT_EQ(sent(), expected);
}

TEST_F(XmppWorldTest, ChatsWithoutAnAddressSendNothing)
{
    const QString group =
        reply(u"CHAT CREATE bob@example.org, carol@example.org"_s).section(u' ', 1, 1);
    EXPECT_EQ(reply(u"CHATMESSAGE "_s + group + u" to nobody"_s),
              u"CHATMESSAGE 1 STATUS SENDING"_s);
    EXPECT_TRUE(m_link.sent.isEmpty());
    ASSERT_EQ(m_logged.size(), 1);
    // A handle the program made up goes to the JID it is.
    reply(u"CHATMESSAGE "_s + chatWith(u"dave@example.org"_s) + u" hi"_s);
    EXPECT_EQ(sent(), QStringList{u"dave@example.org|hi"_s});
}

TEST_F(XmppWorldTest, APartnersCorrectionOfTheirLastMessageEditsItWhereItIs)
{
    QStringList changes;
    m_world.api().chats().addListener(
        [&changes](ApiMessageChange change, const verbalink::desktopapi::ApiChatMessage& message) {
            changes.append(verbalink::desktopapi::ApiMessageLog::line(change, message));
        });
    const auto from = [](const QString& who, const QString& id, const QString& replaces,
                         const QString& body) {
        const QString correction =
            replaces.isEmpty()
                ? QString()
                : u"<replace xmlns='urn:xmpp:message-correct:0' id='%1'/>"_s.arg(replaces);
        return u"<message from='%1' id='%2' type='%3'><body>%4</body>%5</message>"_s.arg(
            who, id, who.contains(u"lounge"_s) ? u"groupchat"_s : u"chat"_s, body, correction);
    };
    m_world.roomJoined(room, u"alice"_s);
    receive(from(u"bob@example.org/phone"_s, u"b1"_s, {}, u"Helo"_s));
    receive(from(u"bob@example.org/phone"_s, u"b2"_s, u"b1"_s, u"Hello"_s));
    // Corrections name the first message, however often it was corrected.
    receive(from(u"bob@example.org/phone"_s, u"b3"_s, u"b1"_s, u"Hello!"_s));
    receive(from(u"lounge@rooms.example.org/Carol"_s, u"c1"_s, {}, u"Hi al"_s));
    receive(from(u"lounge@rooms.example.org/Carol"_s, u"c2"_s, u"c1"_s, u"Hi all"_s));
    // Another occupant cannot correct Carol's message, and nobody a message before their last.
    receive(from(u"lounge@rooms.example.org/Dave"_s, u"d1"_s, u"c1"_s, u"mine now"_s));
    receive(from(u"bob@example.org/phone"_s, u"b4"_s, {}, u"Second"_s));
    receive(from(u"bob@example.org/phone"_s, u"b5"_s, u"b1"_s, u"first again"_s));

    const QStringList received = changes.filter(u" received "_s);
    ASSERT_EQ(received.size(), 5) << qPrintable(changes.join(u'\n'));
    EXPECT_EQ(changes.filter(u"EDITED"_s),
              (QStringList{u"EDITED 1 Hello"_s, u"EDITED 1 Hello!"_s, u"EDITED 2 Hi all"_s}));
    EXPECT_EQ(reply(u"GET CHATMESSAGE 1 BODY"_s), u"CHATMESSAGE 1 BODY Hello!"_s);
    EXPECT_TRUE(received.at(2).endsWith(u" mine now"_s));
    EXPECT_TRUE(received.at(4).endsWith(u" first again"_s));
    // The program was told of each new message only.
    EXPECT_EQ(m_pushed.size(), 5);
}
