#include "extras/DecryptionHandler.h"
#include "extras/MessageEncryption.h"
#include "extras/MessageList.h"
#include "platform/CommandId.h"

#include <QRegularExpression>
#include <QStringList>
#include <gtest/gtest.h>

using namespace verbalink;

namespace {

// A decryption handler over a list, with contacts and the listed step recorded.
struct DecryptionRig {
    DecryptionRig()
    {
        contacts.displayName = [this](const QString& handle) {
            return handle == u"alice" ? QStringLiteral("Alice A.") : QString();
        };
        contacts.refreshContacts = [this] {
            ++refreshes;
            return true;
        };
    }

    QStringList run(const QList<std::pair<QString, QString>>& messages)
    {
        DecryptionHandler handler(list, contacts, [this] { ++listed; });
        for (const auto& [text, partner] : messages)
            handler.handle(text, partner);
        handler.waitForAll();
        return list.lines();
    }

    MessageList list;
    DecryptionHandler::Contacts contacts;
    std::atomic<int> refreshes{0};
    std::atomic<int> listed{0};
};

// The line without its time, which the list stamps when the line is added.
QString untimed(const QString& line)
{
    static const QRegularExpression time(QStringLiteral("^\\[\\d\\d:\\d\\d:\\d\\d , "));
    EXPECT_TRUE(time.match(line).hasMatch()) << line.toStdString();
    return QString(line).replace(time, QStringLiteral("["));
}

} // namespace

TEST(DecryptionHandler, ListsEachMessageWithSenderNameOrHandle)
{
    DecryptionRig rig;
    QStringList lines = rig.run({{QStringLiteral("JhU="), QStringLiteral("alice")}});
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(untimed(lines[0]), QStringLiteral("[Alice A.] hi"));
    EXPECT_EQ(rig.refreshes, 0);

    // An unknown sender: a refresh, the handle as name, and another key (unreadable text).
    lines = rig.run({{QStringLiteral("JhU="), QStringLiteral("carol")}});
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].contains(u" , carol] "));
    EXPECT_NE(untimed(lines[0]), QStringLiteral("[carol] hi"));
    EXPECT_EQ(rig.refreshes, 1);

    // Garbage still lists an empty text.
    lines = rig.run({{QStringLiteral("%%%"), QStringLiteral("alice")}});
    EXPECT_EQ(untimed(lines[0]), QStringLiteral("[Alice A.] "));
    EXPECT_EQ(rig.listed, 3);
}

TEST(DecryptionHandler, IgnoresHandlesShorterThanTwo)
{
    DecryptionRig rig;
    EXPECT_TRUE(rig.run({{QStringLiteral("JhU="), QStringLiteral("a")},
                         {QStringLiteral("JhU="), QString()}})
                    .isEmpty());
    EXPECT_EQ(rig.listed, 0);
}

TEST(DecryptionHandler, FiftyFirstMessagePushesTheOldestOut)
{
    DecryptionRig rig;
    rig.run({{QStringLiteral("%"), QStringLiteral("alice")}});
    // The threads of one batch may list in any order; the oldest is listed on its own first.
    QList<std::pair<QString, QString>> messages;
    for (int i = 0; i < 50; ++i)
        messages.append({QStringLiteral("JhU="), QStringLiteral("alice")});
    const QStringList lines = rig.run(messages);
    ASSERT_EQ(lines.size(), 50);
    for (const QString& line : lines)
        EXPECT_TRUE(line.endsWith(u"] hi")) << "the first (empty) message is gone";
}

TEST(MessageEncryption, CommandsToggleAndMarkTheirItems)
{
    QList<std::pair<int, bool>> marks;
    QList<bool> written;
    bool viewOpen = false;
    int opened = 0;
    MessageEncryption encryption(true,
                                 {[&](int id, bool on) {
                                      marks.append({id, on});
                                  },
                                  [&](bool on) { written.append(on); }, [&] { return viewOpen; },
                                  [&] {
                                      ++opened;
                                  }});
    EXPECT_FALSE(encryption.isEnabled()) << "off at every start";
    EXPECT_TRUE(encryption.handleCommand(CommandId::EnableEncryption));
    EXPECT_TRUE(encryption.isEnabled());
    EXPECT_TRUE(encryption.handleCommand(CommandId::EnableEncryption));
    EXPECT_FALSE(encryption.isEnabled());
    EXPECT_TRUE(encryption.handleCommand(CommandId::DecryptedAutoPopup));
    EXPECT_FALSE(encryption.isPopupOn());
    EXPECT_EQ(marks, (QList<std::pair<int, bool>>{{CommandId::EnableEncryption, true},
                                                  {CommandId::EnableEncryption, false},
                                                  {CommandId::DecryptedAutoPopup, false}}));
    EXPECT_EQ(written, QList<bool>{false});

    EXPECT_TRUE(encryption.handleCommand(CommandId::ViewDecrypted));
    viewOpen = true;
    EXPECT_TRUE(encryption.handleCommand(CommandId::ViewDecrypted));
    EXPECT_EQ(opened, 1) << "an open view is not opened again";
    EXPECT_FALSE(encryption.handleCommand(33235));
}

TEST(MessageEncryption, ClosedViewOpensOnlyWithAutoPopup)
{
    bool viewOpen = false;
    MessageEncryption encryption(false, {{}, {}, [&] { return viewOpen; }, {}});
    int requests = 0;
    QObject::connect(&encryption, &MessageEncryption::viewRequested, [&] { ++requests; });

    DecryptionRig rig;
    DecryptionHandler handler(rig.list, rig.contacts, [&] { encryption.messageListed(); });
    handler.handle(QStringLiteral("JhU="), QStringLiteral("alice"));
    handler.waitForAll();
    EXPECT_EQ(rig.list.lines().size(), 1) << "listed even though nothing opens";
    EXPECT_EQ(requests, 0);

    encryption.handleCommand(MessageEncryption::AutoPopupCommand);
    encryption.messageListed();
    EXPECT_EQ(requests, 1);
    viewOpen = true; // an open view refreshes from the list itself
    encryption.messageListed();
    EXPECT_EQ(requests, 1);
}
