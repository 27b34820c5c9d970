#include "MessageFakes.h"
#include "SkypeFixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <future>
#include <thread>

namespace verbalink::test {
namespace {

const SkypeEndpoint Client = QStringLiteral(":1.42");

// A timer far coarser than a millisecond: every 1 ms sleep takes 16 ms.
class CoarseClock final : public Clock {
public:
    qint64 nowMs() const override { return m_now.load(); }
    void sleepMs(qint64 ms) override
    {
        ++sleeps;
        m_now.fetch_add(std::max<qint64>(ms, 16));
    }
    std::atomic<int> sleeps{0};

private:
    std::atomic<qint64> m_now{0};
};

class ContactOperationsTest : public SkypeFixture {
protected:
    ContactOperationsTest()
    {
        connection.link().enter();
        attachQuietly(Client);
        receive(Client, QStringLiteral("CURRENTUSERHANDLE alice"));
        transport.clear();
        log.clear();
    }

    // A client that answers the contact chain at once.
    void answerContacts(const QString& users)
    {
        transport.setOnSend([this, users](const FakeSkypeTransport::Sent& sent) {
            const QString command = QString::fromUtf8(sent.command);
            QString reply;
            if (command == u"SEARCH GROUPS HARDWIRED")
                reply = QStringLiteral("GROUPS 11, 12");
            else if (command == u"GET GROUP 11 TYPE")
                reply = QStringLiteral("GROUP 11 TYPE CUSTOM_GROUP");
            else if (command == u"GET GROUP 12 TYPE")
                reply = QStringLiteral("GROUP 12 TYPE ALL_FRIENDS");
            else if (command == u"GET GROUP 12 USERS")
                reply = u"GROUP 12 USERS " % users;
            else if (command == u"GET USER bob FULLNAME")
                reply = QStringLiteral("USER bob FULLNAME Bob Stone");
            else if (command == u"GET USER carol FULLNAME")
                reply = QStringLiteral("USER carol FULLNAME ");
            else if (command == u"GET USER bob LANGUAGE")
                reply = QStringLiteral("USER bob LANGUAGE de German");
            if (!reply.isEmpty())
                transport.deliverLine(sent.to, reply.toUtf8());
        });
    }

    // Runs a refresh where it belongs: off the thread that handles notifications.
    bool refreshElsewhere()
    {
        return std::async(std::launch::async, [this] { return connection.refreshContacts(); })
            .get();
    }

    void addContact(const QString& handle, const QString& fullName = {},
                    const QByteArray& language = {})
    {
        ContactRecord contact;
        contact.handle = handle;
        contact.fullName = fullName;
        contact.language = language;
        contact.detailsReceived = true;
        connection.contacts().append(contact);
    }
};

TEST_F(ContactOperationsTest, RefreshFillsTheListAndLookupsFindTheFirstMatch)
{
    addContact(QStringLiteral("stale"));
    answerContacts(QStringLiteral("bob, carol, bob"));
    const qint64 start = clock.nowMs();
    EXPECT_TRUE(refreshElsewhere());
    // The second bob never gets its details: the refresh ends after its second wait.
    EXPECT_GE(clock.nowMs() - start, ContactOperations::DetailsWaitMs);
    EXPECT_LE(clock.nowMs() - start, ContactOperations::DetailsWaitMs + 5);
    EXPECT_FALSE(connection.contacts().refreshRunning());

    EXPECT_EQ(
        connection.contactEntries(),
        (QStringList{QStringLiteral("Bob Stone"), QStringLiteral("carol"), QStringLiteral("bob")}));
    EXPECT_EQ(connection.handleOf(QStringLiteral("Bob Stone")), QStringLiteral("bob"));
    EXPECT_EQ(connection.displayName(QStringLiteral("bob")), QStringLiteral("Bob Stone"));
    EXPECT_EQ(connection.displayName(QStringLiteral("carol")), QStringLiteral("carol"));
    EXPECT_EQ(connection.displayName(QStringLiteral("stale")), QString());
    EXPECT_EQ(connection.handleOf(QStringLiteral("nobody")), QString());
    EXPECT_EQ(connection.handleAt(2), QStringLiteral("bob"));
    EXPECT_EQ(connection.handleAt(3), QString());
    EXPECT_EQ(connection.handleAt(-1), QString());
    EXPECT_EQ(connection.contacts().contacts()[0].language, QByteArray("de"));
}

TEST_F(ContactOperationsTest, RefreshWithoutAClientEndsAfterItsBoundedWaits)
{
    addContact(QStringLiteral("old"));
    const qint64 start = clock.nowMs();
    EXPECT_TRUE(refreshElsewhere());
    const qint64 waited = clock.nowMs() - start;
    EXPECT_GE(waited, ContactOperations::UsersWaitMs);
    EXPECT_LE(waited, ContactOperations::UsersWaitMs + 2);
    EXPECT_TRUE(connection.contacts().contacts().isEmpty());
    EXPECT_EQ(transport.commands(), QStringList{QStringLiteral("SEARCH GROUPS HARDWIRED")});

    // With a coarse timer the waits are bounded by time, not by the number of sleeps.
    FakeSkypeTransport otherTransport;
    CoarseClock coarse;
    FakeMessageBox otherBoxes;
    SkypeConnection other(otherTransport, coarse, otherBoxes);
    EXPECT_TRUE(std::async(std::launch::async, [&] { return other.refreshContacts(); }).get());
    EXPECT_LT(coarse.nowMs(), ContactOperations::UsersWaitMs + 2 * 16 + 1);
    EXPECT_LT(coarse.sleeps.load(), 400);
}

TEST_F(ContactOperationsTest, SecondRefreshReturnsAtOnceAndLeavesTheListAlone)
{
    std::optional<bool> nested;
    transport.setOnSend([&](const FakeSkypeTransport::Sent& sent) {
        if (sent.command != "SEARCH GROUPS HARDWIRED" || nested)
            return;
        addContact(QStringLiteral("zed"));
        const qint64 before = clock.nowMs();
        nested = connection.refreshContacts();
        EXPECT_EQ(clock.nowMs(), before);
    });
    EXPECT_TRUE(refreshElsewhere());
    EXPECT_EQ(nested, std::optional<bool>(false));
    EXPECT_EQ(connection.contacts().handles(), QStringList{QStringLiteral("zed")});
    EXPECT_EQ(transport.commands().count(QStringLiteral("SEARCH GROUPS HARDWIRED")), 1);
}

TEST_F(ContactOperationsTest, RefreshOnTheDispatchThreadIsRefused)
{
    addContact(QStringLiteral("bob"));
    EXPECT_FALSE(connection.refreshContacts());
    EXPECT_TRUE(transport.commands().isEmpty());
    EXPECT_EQ(connection.contacts().handles(), QStringList{QStringLiteral("bob")});
}

TEST_F(ContactOperationsTest, ContactEntriesWaitForARunningRefresh)
{
    addContact(QStringLiteral("old"));
    std::promise<void> started;
    transport.setOnSend([&](const FakeSkypeTransport::Sent& sent) {
        if (sent.command == "SEARCH GROUPS HARDWIRED")
            started.set_value();
    });
    auto refresh = std::async(std::launch::async, [this] { return connection.refreshContacts(); });
    started.get_future().wait();
    EXPECT_TRUE(connection.contactEntries().isEmpty()) << "the list as the refresh left it";
    EXPECT_FALSE(connection.contacts().refreshRunning());
    EXPECT_TRUE(refresh.get());
}

TEST_F(ContactOperationsTest, PartnerLanguageIsAnsweredFromTheListAtOnce)
{
    addContact(QStringLiteral("bob"), {}, QByteArrayLiteral("de"));
    addContact(QStringLiteral("dan"));
    EXPECT_EQ(connection.partnerLanguage(QStringLiteral("bob")), QByteArray("de"));
    EXPECT_EQ(connection.partnerLanguage(QStringLiteral("dan")), QByteArray("en"))
        << "no language reported";
    EXPECT_TRUE(transport.commands().isEmpty());

    // A partner missing from the list (here: the empty partner of a group chat) is answered
    // without waiting for the refresh it starts, even while the client does not answer it.
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    transport.setOnSend([released](const FakeSkypeTransport::Sent&) { released.wait(); });
    const QByteArray language = connection.partnerLanguage(QString());
    // The refresh has emptied the list and waits in its first send: the list before it answers.
    for (int i = 0; i < 5000 && !connection.contacts().contacts().isEmpty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_EQ(connection.partnerLanguage(QStringLiteral("bob")), QByteArray("de"));
    EXPECT_EQ(connection.partnerLanguage(QStringLiteral("carol")), QByteArray("en"));
    release.set_value();
    EXPECT_EQ(language, QByteArray("en"));
    for (int i = 0; i < 5000 && transport.commands().isEmpty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_EQ(transport.commands(), QStringList{QStringLiteral("SEARCH GROUPS HARDWIRED")});
    // Its waits run in virtual time; it logs into the fixture until it ends.
    for (int i = 0; i < 5000 && connection.contacts().refreshRunning(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

TEST_F(ContactOperationsTest, PostingLeavesTheTextWithTheContactAndAsksForTheChat)
{
    addContact(QStringLiteral("carol"), QStringLiteral("Carol King"));
    EXPECT_FALSE(connection.postMessageTo(QStringLiteral("bob"), QStringLiteral("hi"), true));
    EXPECT_TRUE(transport.commands().isEmpty());

    EXPECT_TRUE(connection.postMessageTo(QStringLiteral("bob"), QStringLiteral("hi"), false));
    EXPECT_TRUE(
        connection.postMessageTo(QStringLiteral("Carol King"), QStringLiteral("one"), true));
    EXPECT_TRUE(connection.postMessageTo(QStringLiteral("carol"), QStringLiteral("two"), true));
    EXPECT_EQ(transport.commands(),
              (QStringList{QStringLiteral("CHAT CREATE bob"), QStringLiteral("CHAT CREATE carol"),
                           QStringLiteral("CHAT CREATE carol")}));
    const QList<ContactRecord> contacts = connection.contacts().contacts();
    ASSERT_EQ(contacts.size(), 2);
    EXPECT_EQ(contacts[1].handle, QStringLiteral("bob"));
    EXPECT_TRUE(contacts[1].detailsReceived);
    EXPECT_TRUE(contacts[1].fullName.isEmpty());
    EXPECT_EQ(contacts[1].pendingMessage, QStringLiteral("hi"));
    EXPECT_EQ(contacts[0].pendingMessage, QStringLiteral("two"));

    // The client reports the chat: the pending text is posted.
    transport.clear();
    receive(Client, QStringLiteral("CHAT #alice/$bob;9f1 STATUS DIALOG"));
    EXPECT_EQ(transport.commands(),
              (QStringList{QStringLiteral("OPEN CHAT #alice/$bob;9f1"),
                           QStringLiteral("CHATMESSAGE #alice/$bob;9f1 hi")}));
}

TEST_F(ContactOperationsTest, TextArtNeedsAKnownContactAndAKnownEffect)
{
    auto art = std::make_shared<FakeTextArt>();
    art->pictures.insert(QStringLiteral("Sun"), QStringLiteral("(sun) (sun)\r\n (sun)"));
    addContact(QStringLiteral("bob"));
    EXPECT_FALSE(connection.postArtMessageTo(QStringLiteral("bob"), QStringLiteral("Sun")))
        << "no table plugged in";
    connection.services().textArt.set(art);
    EXPECT_FALSE(connection.postArtMessageTo(QStringLiteral("bob"), QStringLiteral("sun")));
    EXPECT_FALSE(connection.postArtMessageTo(QStringLiteral("eve"), QStringLiteral("Sun")));
    EXPECT_TRUE(transport.commands().isEmpty());
    EXPECT_EQ(connection.contacts().contacts().size(), 1);

    EXPECT_TRUE(connection.postArtMessageTo(QStringLiteral("bob"), QStringLiteral("Sun")));
    EXPECT_EQ(transport.commands(), QStringList{QStringLiteral("CHAT CREATE bob")});
    EXPECT_EQ(connection.contacts().contacts()[0].pendingMessage,
              QStringLiteral("(sun) (sun)\r\n (sun)"));
}

TEST_F(ContactOperationsTest, AvatarRefreshDeletesOldPicturesAndAsksEveryWindow)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString folder = root.filePath(QStringLiteral("Verbalink Avatars"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString old = folder + u"/bob.jpg";
    const QString outside = root.filePath(QStringLiteral("keep.jpg"));
    for (const QString& path : {old, outside}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("old picture");
    }
    const SkypeEndpoint second = QStringLiteral(":1.77");
    attachQuietly(second);
    addContact(QStringLiteral("bob"));
    addContact(QStringLiteral("../keep"));
    addContact(QStringLiteral("carol"));

    connection.refreshAvatars(folder);
    EXPECT_FALSE(QFile::exists(old));
    EXPECT_TRUE(QFile::exists(outside)) << "a handle must not reach outside the folder";
    const QStringList expected{u"GET USER bob AVATAR 1 " % folder % u"/bob.jpg",
                               u"GET USER carol AVATAR 1 " % folder % u"/carol.jpg"};
    EXPECT_EQ(transport.commands(Client), expected);
    EXPECT_EQ(transport.commands(second), expected);
}

} // namespace
} // namespace verbalink::test
