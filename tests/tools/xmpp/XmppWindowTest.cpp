// The XMPP client's window offscreen over its core in the test's own process: rooms as
// conversations of their own, the language of a contact chosen in the header, corrections and
// delivery marks in the bubbles.
#include "AccountDialog.h"
#include "ChatBubble.h"
#include "ChatMessageModel.h"
#include "ChatRosterModel.h"
#include "ChatWindow.h"
#include "FakeXmppLink.h"
#include "XmlStanzas.h"
#include "XmppWindowController.h"
#include "XmppWorld.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace verbalink::xmpp;
using verbalink::desktopapi::ChatBubble;
using verbalink::desktopapi::ChatMessageModel;
using verbalink::desktopapi::ChatRosterModel;
using verbalink::xmpp::test::FakeXmppLink;
using verbalink::xmpp::test::parseStanza;

namespace {

const QString alice = u"alice@example.org"_s;
const QString bob = u"bob@example.org"_s;
const QString lounge = u"lounge@rooms.example.org"_s;
const QString kitchen = u"kitchen@rooms.example.org"_s;

class XmppWindowTest : public ::testing::Test {
protected:
    XmppWindowTest()
    {
        m_world.setOnline(true);
        m_world.rosterItem(bob, u"Bob"_s);
        m_loungeChat = m_world.roomJoined(lounge, u"alice"_s);
        m_kitchenChat = m_world.roomJoined(kitchen, u"alice"_s);
        m_controller.refresh();
    }

    verbalink::desktopapi::ChatWindow& window() { return m_controller.window(); }
    const QAbstractItemModel& roster()
    {
        return *window().findChild<QListView*>(u"roster"_s)->model();
    }
    QStringList conversations()
    {
        QStringList keys;
        for (int row = 0; row < roster().rowCount(); ++row)
            keys.append(roster().index(row, 0).data(ChatRosterModel::KeyRole).toString());
        return keys;
    }
    void type(const QString& conversation, const QString& text)
    {
        window().showConversation(conversation);
        window().messageInput()->setText(text);
        QTest::keyClick(window().messageInput(), Qt::Key_Return);
    }
    void receive(const QString& xml)
    {
        const std::unique_ptr<gloox::Tag> tag = parseStanza(xml);
        ASSERT_TRUE(tag) << qPrintable(xml);
        m_world.stanzaReceived(*tag);
    }

    FakeXmppLink m_link;
    XmppWorld m_world{{alice, {}},
                      m_link,
                      [] { return qint64(0); },
                      [](const QString&) {},
                      [](const QString&) {
                      }};
    XmppWindowController m_controller{m_world};
    QString m_loungeChat;
    QString m_kitchenChat;
};

} // namespace

TEST_F(XmppWindowTest, EachRoomIsAConversationAndTypingGoesToTheShownOne)
{
    EXPECT_EQ(conversations(), (QStringList{bob, m_loungeChat, m_kitchenChat}));
    type(m_kitchenChat, u"Dinner at eight"_s);
    type(m_loungeChat, u"Hello lounge"_s);
    type(bob, u"Hi Bob"_s);
    ASSERT_EQ(m_link.sent.size(), 3);
    EXPECT_EQ(m_link.sent.at(0).to, kitchen);
    EXPECT_TRUE(m_link.sent.at(0).toRoom);
    EXPECT_EQ(m_link.sent.at(1).to, lounge);
    EXPECT_EQ(m_link.sent.at(2).to, bob);
    EXPECT_FALSE(m_link.sent.at(2).toRoom);

    // Each room shows its own messages only, also what others write there.
    receive(u"<message from='kitchen@rooms.example.org/Carol' type='groupchat'>"
            u"<body>Sounds good</body></message>"_s);
    window().showConversation(m_kitchenChat);
    const QAbstractItemModel* shown = window().shownMessages();
    ASSERT_EQ(shown->rowCount(), 2);
    EXPECT_EQ(shown->index(0, 0).data(ChatMessageModel::BodyRole), u"Dinner at eight"_s);
    EXPECT_EQ(shown->index(1, 0).data(ChatMessageModel::BodyRole), u"Sounds good"_s);
    window().showConversation(m_loungeChat);
    ASSERT_EQ(shown->rowCount(), 1);
    EXPECT_EQ(shown->index(0, 0).data(ChatMessageModel::BodyRole), u"Hello lounge"_s);
}

TEST_F(XmppWindowTest, TheLanguageChosenInTheHeaderIsTheContactsLanguage)
{
    receive(u"<message from='bob@example.org/phone' type='chat' xml:lang='es'>"
            u"<body>Hola</body></message>"_s);
    window().showConversation(bob);
    auto* choice = window().findChild<QComboBox*>(u"languageChoice"_s);
    ASSERT_TRUE(choice);
    EXPECT_FALSE(choice->isHidden());
    // It shows what the program is told: first the language Bob's message said.
    EXPECT_EQ(choice->currentData().toString(), u"es"_s);
    EXPECT_EQ(choice->itemData(0).toString(), QString());

    const int catalan = choice->findData(u"ca"_s);
    ASSERT_GE(catalan, 0);
    choice->setCurrentIndex(catalan);
    Q_EMIT choice->activated(catalan);
    EXPECT_EQ(m_world.api().handle(u"GET USER bob@example.org LANGUAGE"_s).reply,
              u"USER bob@example.org LANGUAGE ca Catalan"_s);
    // "As they write" gives the message's language back.
    choice->setCurrentIndex(0);
    Q_EMIT choice->activated(0);
    EXPECT_EQ(m_world.api().handle(u"GET USER bob@example.org LANGUAGE"_s).reply,
              u"USER bob@example.org LANGUAGE es Spanish"_s);
    // A room has no language of its own.
    window().showConversation(m_loungeChat);
    EXPECT_TRUE(choice->isHidden());
}

TEST_F(XmppWindowTest, BubblesShowCorrectionsAndHowFarTheirMessageGot)
{
    receive(u"<message from='bob@example.org/phone' id='b1' type='chat'><body>Helo</body>"
            u"</message>"_s);
    receive(u"<message from='bob@example.org/phone' id='b2' type='chat'><body>Hello</body>"
            u"<replace xmlns='urn:xmpp:message-correct:0' id='b1'/></message>"_s);
    type(bob, u"Hi"_s);
    window().showConversation(bob);
    const QAbstractItemModel* shown = window().shownMessages();
    ASSERT_EQ(shown->rowCount(), 2);
    EXPECT_EQ(shown->index(0, 0).data(ChatMessageModel::BodyRole), u"Hello"_s);
    EXPECT_TRUE(shown->index(0, 0).data(ChatMessageModel::EditedRole).toBool());
    EXPECT_FALSE(shown->index(0, 0).data(ChatMessageModel::ReplacedRole).toBool());

    const QModelIndex own = shown->index(1, 0);
    EXPECT_EQ(own.data(ChatMessageModel::StatusRole), u"SENDING"_s);
    m_world.acknowledged(u"s1"_s);
    EXPECT_EQ(own.data(ChatMessageModel::StatusRole), u"SENT"_s);
    EXPECT_FALSE(own.data(ChatMessageModel::DeliveredRole).toBool());
    m_world.delivered(u"s1"_s);
    EXPECT_TRUE(own.data(ChatMessageModel::DeliveredRole).toBool());

    struct Case {
        QString status;
        bool delivered;
        QString mark;
    };
    for (const Case& c :
         {Case{u"SENDING"_s, false, {}}, Case{u"SENT"_s, false, u"\u2713"_s},
          Case{u"SENT"_s, true, u"\u2713\u2713"_s}, Case{u"SENDING"_s, true, u"\u2713\u2713"_s}})
        EXPECT_EQ(ChatBubble::deliveryMark(c.status, c.delivered), c.mark)
            << qPrintable(c.status) << c.delivered;
}

TEST(AccountDialogTest, TheFirstStartAsksUntilTheEntryCanBeUsed)
{
    struct Case {
        QString jid;
        QString password;
        QString server;
        bool plain;
        QString problem; // part of it; empty: accepted
    };
    const Case cases[] = {
        {{}, u"secret"_s, {}, false, u"no JID"_s},
        {u"alice"_s, u"secret"_s, {}, false, u"bare one"_s},
        {u"alice@example.org/phone"_s, u"secret"_s, {}, false, u"bare one"_s},
        {u"alice@example.org"_s, {}, {}, false, u"no password"_s},
        {u"alice@example.org"_s, u"secret"_s, u"xmpp.example.org:99999"_s, false, u"port"_s},
        {u"alice@example.org"_s, u"secret"_s, {}, true, u"loopback"_s},
        {u"alice@example.org"_s, u"secret"_s, {}, false, {}},
        {u"alice@example.org"_s, u"secret"_s, u"127.0.0.1:5333"_s, true, {}},
    };
    for (const Case& c : cases) {
        AccountDialog dialog(XmppAccount{}, true);
        dialog.findChild<QLineEdit*>(u"jid"_s)->setText(c.jid);
        dialog.findChild<QLineEdit*>(u"password"_s)->setText(c.password);
        dialog.findChild<QLineEdit*>(u"server"_s)->setText(c.server);
        dialog.findChild<QCheckBox*>(u"allowPlain"_s)->setChecked(c.plain);
        dialog.show();
        dialog.accept();
        auto* problem = dialog.findChild<QLabel*>(u"problem"_s);
        if (c.problem.isEmpty()) {
            EXPECT_EQ(dialog.result(), QDialog::Accepted) << qPrintable(problem->text());
            EXPECT_EQ(dialog.account().jid, c.jid);
            EXPECT_EQ(dialog.account().server, c.server);
            EXPECT_EQ(dialog.account().allowPlain, c.plain);
            EXPECT_EQ(dialog.password(), c.password);
        } else {
            EXPECT_TRUE(dialog.isVisible()) << qPrintable(c.jid);
            EXPECT_TRUE(problem->text().contains(c.problem)) << qPrintable(problem->text());
        }
    }
}

TEST(AccountDialogTest, ItSaysWhereThePasswordGoesAndKeepsWhatIsKnown)
{
    XmppAccount known;
    known.jid = u"alice@example.org"_s;
    known.trustedFingerprint = u"ab:cd"_s;
    known.rooms = {u"lounge@rooms.example.org"_s};
    AccountDialog without(known, false);
    EXPECT_TRUE(without.findChild<QLabel*>(u"storeNote"_s)
                    ->text()
                    .contains(u"asked for again at the next start"_s));
    EXPECT_EQ(without.findChild<QLineEdit*>(u"jid"_s)->text(), known.jid);
    EXPECT_EQ(without.account().rooms, known.rooms);
    EXPECT_EQ(without.account().trustedFingerprint, known.trustedFingerprint);
    // Another account starts afresh: the pinned certificate was the other server's.
    without.findChild<QLineEdit*>(u"jid"_s)->setText(u"alice@elsewhere.org"_s);
    EXPECT_TRUE(without.account().trustedFingerprint.isEmpty());
    EXPECT_TRUE(without.account().rooms.isEmpty());

    AccountDialog with(known, true);
    EXPECT_TRUE(
        with.findChild<QLabel*>(u"storeNote"_s)->text().contains(u"desktop's secret store"_s));
}
