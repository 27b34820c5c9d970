#include "SimAvatar.h"
#include "SkypeSimulator.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace verbalink::desktopapi;
using namespace verbalink::sim;

namespace {

class SimContactsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const QString& line : {u"user bob de Bob Brown"_s, u"user carol fr"_s}) {
            const ParsedDirective parsed = SimDirectiveParser::parse(line);
            ASSERT_TRUE(parsed.ok());
            ASSERT_TRUE(m_simulator.apply(parsed.directive));
        }
        ASSERT_TRUE(m_folder.isValid());
    }

    QString replyTo(const QString& command) { return m_simulator.handle(command).reply; }
    QString pathOf(const QString& name) const { return m_folder.filePath(name); }

    SkypeSimulator m_simulator;
    QTemporaryDir m_folder;
};

} // namespace

// The chain a contact refresh walks: groups, their types, the friends, their details.
TEST_F(SimContactsTest, HardwiredGroupsLeadToTheFriends)
{
    const QString groups = replyTo(u"SEARCH GROUPS HARDWIRED"_s);
    ASSERT_EQ(groups, u"GROUPS 11, 12"_s);
    EXPECT_EQ(replyTo(u"GET GROUP 11 TYPE"_s), u"GROUP 11 TYPE ALL_USERS"_s);
    EXPECT_EQ(replyTo(u"GET GROUP 12 TYPE"_s), u"GROUP 12 TYPE ALL_FRIENDS"_s);
    EXPECT_EQ(replyTo(u"GET GROUP 12 USERS"_s), u"GROUP 12 USERS bob, carol"_s);
    EXPECT_EQ(replyTo(u"search groups custom"_s), u"GROUPS "_s);

    SkypeSimulator lonely;
    EXPECT_EQ(lonely.handle(u"GET GROUP 12 USERS"_s).reply, u"GROUP 12 USERS "_s);
}

TEST_F(SimContactsTest, BadGroupRequestsGetAnErrorLine)
{
    for (const QString& command :
         {u"SEARCH GROUPS"_s, u"SEARCH GROUPS FRIENDS"_s, u"GET GROUP 13 TYPE"_s,
          u"GET GROUP x TYPE"_s, u"GET GROUP 12"_s, u"GET GROUP 12 NAME"_s,
          u"GET GROUP 12 TYPE extra"_s, u"GET GROUP"_s}) {
        EXPECT_TRUE(replyTo(command).startsWith(u"ERROR "_s)) << qPrintable(command);
    }
}

TEST_F(SimContactsTest, AvatarIsARealJpegInTheUsersColour)
{
    // The folder name has a space, as the program's avatar folder does.
    ASSERT_TRUE(QDir(m_folder.path()).mkdir(u"My Avatars"_s));
    const QString bobPath = pathOf(u"My Avatars/bob.jpg"_s);
    EXPECT_EQ(replyTo(u"GET USER bob AVATAR 1 "_s + bobPath), u"USER bob AVATAR 1 "_s + bobPath);
    const QString carolPath = pathOf(u"carol.jpg"_s);
    EXPECT_EQ(replyTo(u"GET USER carol AVATAR 1 "_s + carolPath),
              u"USER carol AVATAR 1 "_s + carolPath);

    QFile file(bobPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(3).startsWith("\xFF\xD8\xFF")) << "not a JPEG";
    QImage bob(bobPath, "JPG");
    QImage carol(carolPath, "JPG");
    ASSERT_FALSE(bob.isNull());
    ASSERT_FALSE(carol.isNull());
    EXPECT_EQ(bob.size(), QSize(SimAvatar::Size, SimAvatar::Size));
    const QColor expected = SimAvatar::colourOf(u"bob"_s);
    const QColor centre = bob.pixelColor(SimAvatar::Size / 2, SimAvatar::Size / 2);
    EXPECT_NEAR(centre.red(), expected.red(), 8);
    EXPECT_NEAR(centre.green(), expected.green(), 8);
    EXPECT_NEAR(centre.blue(), expected.blue(), 8);
    EXPECT_NE(SimAvatar::colourOf(u"bob"_s), SimAvatar::colourOf(u"carol"_s));
}

TEST_F(SimContactsTest, NoPictureNoFile)
{
    struct Case {
        QString command;
        QString file;
    };
    ASSERT_TRUE(m_simulator.apply(SimDirectiveParser::parse(u"avatar carol off"_s).directive));
    const Case cases[] = {
        {u"GET USER dave AVATAR 1 %1"_s, u"dave.jpg"_s},       // unknown user
        {u"GET USER carol AVATAR 1 %1"_s, u"carol.jpg"_s},     // no picture
        {u"GET USER bob AVATAR 2 %1"_s, u"bob2.jpg"_s},        // only picture 1 exists
        {u"GET USER bob AVATAR %1"_s, u"bob3.jpg"_s},          // index missing
        {u"GET USER bob AVATAR 1 %1"_s, u"missing/bob.jpg"_s}, // folder missing
    };
    for (const Case& c : cases) {
        const QString path = pathOf(c.file);
        EXPECT_TRUE(replyTo(c.command.arg(path)).startsWith(u"ERROR "_s)) << qPrintable(c.command);
        EXPECT_FALSE(QFile::exists(path)) << qPrintable(path);
    }
    EXPECT_TRUE(replyTo(u"GET USER bob AVATAR 1"_s).startsWith(u"ERROR "_s));

    ASSERT_TRUE(m_simulator.apply(SimDirectiveParser::parse(u"avatar carol on"_s).directive));
    EXPECT_FALSE(
        replyTo(u"GET USER carol AVATAR 1 "_s + pathOf(u"c.jpg"_s)).startsWith(u"ERROR"_s));
    EXPECT_TRUE(QFile::exists(pathOf(u"c.jpg"_s)));
}
