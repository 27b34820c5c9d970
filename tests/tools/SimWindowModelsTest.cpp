// The chat window's models over a simulator in the test's own process, and its data.

#include "ChatAvatarArt.h"
#include "ChatMessageModel.h"
#include "ChatRosterModel.h"
#include "SimWindowController.h"
#include "SkypeSimulator.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace verbalink::desktopapi;
using namespace verbalink::sim;
using Role = ChatMessageModel::Role;

namespace {

class SimWindowModelsTest : public ::testing::Test {
protected:
    explicit SimWindowModelsTest(qsizetype capacity = ApiMessageStore::DefaultCapacity)
        : m_messages(m_simulator.api(), capacity), m_roster(m_simulator.api(), m_messages)
    {
        m_simulator.chats().addListener(
            [this](ApiMessageChange change, const ApiChatMessage& message) {
                m_messages.record(change, message);
            });
    }

    void run(const QString& line)
    {
        const ParsedDirective parsed = SimDirectiveParser::parse(line);
        ASSERT_TRUE(parsed.ok()) << qPrintable(parsed.error);
        m_simulator.apply(parsed.directive);
        m_roster.refresh();
    }
    QString reply(const QString& command) { return m_simulator.handle(command).reply; }
    QVariant message(int row, int role) const { return m_messages.index(row).data(role); }
    QVariant roster(const QString& key, int role) const { return m_roster.indexOf(key).data(role); }
    QStringList rosterKeys() const
    {
        QStringList keys;
        for (int row = 0; row < m_roster.rowCount(); ++row)
            keys.append(m_roster.index(row).data(ChatRosterModel::KeyRole).toString());
        return keys;
    }

    SkypeSimulator m_simulator;
    ChatMessageModel m_messages;
    ChatRosterModel m_roster;
};

class SmallMessageModelTest : public SimWindowModelsTest {
protected:
    SmallMessageModelTest() : SimWindowModelsTest(3) {}
};

} // namespace

TEST_F(SimWindowModelsTest, EveryKindOfMessageLandsInItsConversation)
{
    run(u"user bob de Bob Brown"_s);
    reply(u"NAME Verbalink"_s);
    run(u"type bob Hello"_s);
    run(u"receive carol Hi there"_s);
    run(u"type-group Morning all"_s);
    run(u"receive-group bob Morgen"_s);
    const QString chat = reply(u"CHAT CREATE bob"_s).section(u' ', 1, 1);
    reply(u"CHATMESSAGE "_s + chat + u" [Bob Brown] Good morning"_s);

    struct Row {
        QString conversation;
        QString author;
        QString authorName;
        bool own;
        bool posted;
        QString body;
    };
    const Row rows[] = {
        {u"bob"_s, u"alice"_s, u"alice"_s, true, false, u"Hello"_s},
        {u"carol"_s, u"carol"_s, u"carol"_s, false, false, u"Hi there"_s},
        {{}, u"alice"_s, u"alice"_s, true, false, u"Morning all"_s},
        {{}, u"bob"_s, u"Bob Brown"_s, false, false, u"Morgen"_s},
        {u"bob"_s, u"alice"_s, u"alice"_s, true, true, u"[Bob Brown] Good morning"_s},
    };
    ASSERT_EQ(m_messages.rowCount(), std::size(rows));
    for (int row = 0; row < m_messages.rowCount(); ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(message(row, Role::IdRole).toInt(), row + 1);
        EXPECT_EQ(message(row, Role::ConversationRole).toString(), rows[row].conversation);
        EXPECT_EQ(message(row, Role::AuthorRole).toString(), rows[row].author);
        EXPECT_EQ(message(row, Role::AuthorNameRole).toString(), rows[row].authorName);
        EXPECT_EQ(message(row, Role::OwnRole).toBool(), rows[row].own);
        EXPECT_EQ(message(row, Role::PostedRole).toBool(), rows[row].posted);
        EXPECT_EQ(message(row, Qt::DisplayRole).toString(), rows[row].body);
        EXPECT_FALSE(message(row, Role::ReplacedRole).toBool());
    }
    // Only the program's own post names the program.
    EXPECT_EQ(message(4, Role::ProgramRole).toString(), u"Verbalink"_s);
    EXPECT_TRUE(message(0, Role::ProgramRole).toString().isEmpty());
}

TEST_F(SimWindowModelsTest, AReplacedBodyChangesItsRowAndKeepsTheTypedText)
{
    reply(u"NAME Verbalink"_s);
    run(u"type bob Hello"_s);
    run(u"receive bob Hallo"_s);
    QSignalSpy changed(&m_messages, &QAbstractItemModel::dataChanged);

    const QString encrypted = u"[Verbalink Encrypted Message]\r\nQUJD,\tREVG"_s;
    reply(u"SET CHATMESSAGE 1 BODY "_s + encrypted);
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed.at(0).at(0).toModelIndex().row(), 0);
    EXPECT_EQ(message(0, Role::BodyRole).toString(), encrypted);
    EXPECT_EQ(message(0, Role::TypedBodyRole).toString(), u"Hello"_s);
    EXPECT_TRUE(message(0, Role::ReplacedRole).toBool());
    EXPECT_EQ(message(0, Role::ProgramRole).toString(), u"Verbalink"_s);

    // Refused edits (someone else's message, an unknown id) change nothing.
    reply(u"SET CHATMESSAGE 2 BODY mine now"_s);
    reply(u"SET CHATMESSAGE 9 BODY lost"_s);
    EXPECT_EQ(changed.size(), 1);
    EXPECT_EQ(message(1, Role::BodyRole).toString(), u"Hallo"_s);
    EXPECT_EQ(m_messages.rowCount(), 2);
}

// A client may show bodies otherwise than it keeps them; the program's text stays as it was.
TEST_F(SimWindowModelsTest, StatusesAndShownBodiesChangeTheRowsAndNotTheStore)
{
    m_messages.setShownBody([](const QString& body) { return body.toUpper(); });
    run(u"type bob Hello"_s);
    QSignalSpy changed(&m_messages, &QAbstractItemModel::dataChanged);
    m_simulator.chats().setStatus(1, u"SENT"_s);
    m_simulator.chats().markDelivered(1);
    m_simulator.chats().markDelivered(1);
    EXPECT_EQ(changed.size(), 2);
    EXPECT_EQ(message(0, Role::StatusRole).toString(), u"SENT"_s);
    EXPECT_TRUE(message(0, Role::DeliveredRole).toBool());
    EXPECT_EQ(message(0, Role::BodyRole).toString(), u"HELLO"_s);
    EXPECT_EQ(m_messages.latestBody(u"bob"_s), u"HELLO"_s);
    EXPECT_EQ(reply(u"GET CHATMESSAGE 1 BODY"_s), u"CHATMESSAGE 1 BODY Hello"_s);
    EXPECT_EQ(reply(u"GET CHATMESSAGE 1 STATUS"_s), u"CHATMESSAGE 1 STATUS SENT"_s);
}

TEST_F(SmallMessageModelTest, KeepsTheNewestMessagesOnly)
{
    for (const QString& text : {u"one"_s, u"two"_s, u"three"_s, u"four"_s, u"five"_s})
        run(u"type bob "_s + text);
    ASSERT_EQ(m_messages.rowCount(), 3);
    EXPECT_EQ(message(0, Role::IdRole).toInt(), 3);
    EXPECT_EQ(message(2, Role::BodyRole).toString(), u"five"_s);

    // A body change of a forgotten message is dropped; one of a kept message finds its row.
    m_simulator.chats().setMessage(u"1 BODY gone"_s);
    m_simulator.chats().setMessage(u"4 BODY FOUR"_s);
    EXPECT_EQ(message(0, Role::BodyRole).toString(), u"three"_s);
    EXPECT_EQ(message(1, Role::BodyRole).toString(), u"FOUR"_s);
    EXPECT_EQ(message(2, Role::BodyRole).toString(), u"five"_s);
}

TEST_F(SimWindowModelsTest, RosterListsContactsThenOtherWritersThenTheGroup)
{
    run(u"user lucia es Lucía Fernández"_s);
    run(u"user karlo eo Karlo Verda"_s);
    run(u"user nemo xx"_s);
    run(u"user anon -"_s);
    EXPECT_EQ(rosterKeys(), (QStringList{u"lucia"_s, u"karlo"_s, u"nemo"_s, u"anon"_s, {}}));

    struct Row {
        QString key;
        QString name;
        QString language;
    };
    const Row rows[] = {
        {u"lucia"_s, u"Lucía Fernández"_s, u"Spanish"_s},
        {u"karlo"_s, u"Karlo Verda"_s, u"Esperanto"_s},
        // A code Qt does not know is shown as it is; an unknown language not at all.
        {u"nemo"_s, u"nemo"_s, u"xx"_s},
        {u"anon"_s, u"anon"_s, {}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(roster(row.key, ChatRosterModel::NameRole).toString(), row.name);
        EXPECT_EQ(roster(row.key, ChatRosterModel::LanguageRole).toString(), row.language);
        EXPECT_FALSE(roster(row.key, ChatRosterModel::GroupRole).toBool());
    }
    EXPECT_TRUE(roster({}, ChatRosterModel::GroupRole).toBool());

    // Someone who is not a contact writes: listed before the group, and named once the script
    // adds them, on the same row.
    run(u"receive zed hello"_s);
    EXPECT_EQ(rosterKeys().indexOf(u"zed"_s), 4);
    EXPECT_EQ(rosterKeys().size(), 6);
    run(u"user zed de Zed Zorn"_s);
    run(u"avatar zed off"_s);
    EXPECT_EQ(rosterKeys().size(), 6);
    EXPECT_EQ(roster(u"zed"_s, ChatRosterModel::NameRole).toString(), u"Zed Zorn"_s);
    EXPECT_FALSE(roster(u"zed"_s, ChatRosterModel::PictureRole).toBool());
    EXPECT_TRUE(roster(u"lucia"_s, ChatRosterModel::PictureRole).toBool());
}

TEST_F(SimWindowModelsTest, RosterCountsUnreadAndShowsTheNewestBody)
{
    run(u"user lucia es"_s);
    run(u"user jordi ca"_s);
    m_roster.setShown(u"lucia"_s);
    run(u"receive lucia Hola"_s);
    run(u"receive jordi Bon dia"_s);
    run(u"receive jordi Com va?"_s);
    run(u"receive-group jordi Hola a tots"_s);
    EXPECT_EQ(roster(u"lucia"_s, ChatRosterModel::UnreadRole).toInt(), 0);
    EXPECT_EQ(roster(u"jordi"_s, ChatRosterModel::UnreadRole).toInt(), 2);
    EXPECT_EQ(roster({}, ChatRosterModel::UnreadRole).toInt(), 1);
    EXPECT_EQ(roster(u"jordi"_s, ChatRosterModel::PreviewRole).toString(), u"Com va?"_s);

    m_roster.setShown(u"jordi"_s);
    EXPECT_EQ(roster(u"jordi"_s, ChatRosterModel::UnreadRole).toInt(), 0);

    // The user's own messages are never unread; a replaced body is the new preview.
    run(u"type lucia Hi"_s);
    m_simulator.chats().setMessage(u"5 BODY Hi\r\n(es) Hola"_s);
    EXPECT_EQ(roster(u"lucia"_s, ChatRosterModel::PreviewRole).toString(), u"Hi\r\n(es) Hola"_s);
    EXPECT_EQ(roster(u"lucia"_s, ChatRosterModel::UnreadRole).toInt(), 0);
}

TEST(SimDemoRosterTest, IsAValidScriptOfContactsTheGatewayTranslates)
{
    const QStringList lines = SimWindowController::demoRoster();
    ASSERT_FALSE(lines.isEmpty());
    SkypeSimulator simulator;
    int greetings = 0;
    bool waitsFirst = false;
    for (const QString& line : lines) {
        const ParsedDirective parsed = SimDirectiveParser::parse(line);
        ASSERT_TRUE(parsed.ok()) << qPrintable(line) << ": " << qPrintable(parsed.error);
        waitsFirst = waitsFirst || parsed.directive.kind == SimDirective::Kind::WaitAttach;
        if (parsed.directive.kind == SimDirective::Kind::Receive) {
            // Nobody would see a greeting sent before a program attached.
            EXPECT_TRUE(waitsFirst);
            ++greetings;
        }
        simulator.apply(parsed.directive);
    }
    EXPECT_EQ(greetings, 1);
    ASSERT_GE(simulator.state().users.size(), 4);
    QStringList languages;
    for (const ApiUser& user : simulator.state().users) {
        EXPECT_TRUE(QStringList({u"es"_s, u"ca"_s, u"eo"_s, u"gl"_s}).contains(user.language))
            << qPrintable(user.handle);
        EXPECT_TRUE(user.fullName.contains(u' ')) << qPrintable(user.handle);
        if (!languages.contains(user.language))
            languages.append(user.language);
    }
    EXPECT_EQ(languages.size(), 4);
}

TEST(SimAvatarArtTest, InitialsComeFromTheNameOrTheHandle)
{
    const struct {
        QString handle;
        QString name;
        QString initials;
    } cases[] = {
        {u"lucia"_s, u"Lucía Fernández"_s, u"LF"_s},
        {u"ana"_s, u"ana maría de la rosa"_s, u"AM"_s},
        {u"bob"_s, u"bob"_s, u"B"_s},
        {u"bob"_s, {}, u"B"_s},
        {u"x"_s, u"  "_s, u"X"_s},
        {{}, {}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChatAvatarArt::initials(c.handle, c.name), c.initials) << qPrintable(c.name);
}
