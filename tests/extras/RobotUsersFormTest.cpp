#include "extras/RobotUsersForm.h"

#include "FakeContacts.h"
#include "FakeMessageBox.h"
#include "app/SettingAccess.h"
#include "app/Settings.h"
#include "extras/RobotUsers.h"
#include "platform/MemoryRegistryStore.h"

#include <gtest/gtest.h>

namespace verbalink {
namespace {

using namespace Qt::StringLiterals;

const QString SelectFirst = u"Bitte zuerst einen Benutzer wählen!"_s;

class RobotUsersFormTest : public ::testing::Test {
protected:
    MemoryRegistryStore registry;
    test::FakeContacts contacts{{{u"bob"_s, u"Bob Smith"_s},
                                 {u"alice"_s, QString()},
                                 {u"carol"_s, u"Carol"_s},
                                 {u"sam1"_s, u"Sam"_s},
                                 {u"sam2"_s, u"Sam"_s},
                                 {u"long"_s, QString(300, u'L').left(255)}}};
    test::FakeMessageBox boxes;
    RobotUsers users;
    RobotUsersForm form{users,
                        {contacts.lookups(), boxes, [] { return SelectFirst; },
                         [this](const QString& text) {
                             return writeSetting(registry, QString::fromUtf16(SettingsKeyPath),
                                                 u"RobotUserList"_s, text);
                         }}};

    QString stored()
    {
        return readSettingWide(registry, QString::fromUtf16(SettingsKeyPath), u"RobotUserList"_s,
                               u"<none>"_s);
    }

    QStringList handles() const
    {
        QStringList result;
        for (const RobotUser& user : users.users())
            result << user.handle;
        return result;
    }
};

TEST_F(RobotUsersFormTest, StoredListLoadsInOrderAndIsSavedReversed)
{
    users.load(u"a,b,c"_s);
    form.open({});
    EXPECT_EQ(form.lines(), QStringList({u"a"_s, u"b"_s, u"c"_s}));
    EXPECT_TRUE(form.close().saved);
    EXPECT_EQ(stored(), u"c,b,a"_s);
}

TEST_F(RobotUsersFormTest, LinesShowTheContactNameAndKeepIt)
{
    users.load(u"gone,alice,bob"_s);
    form.open({u"Bob Smith"_s, u"Carol"_s});
    EXPECT_EQ(form.contactEntries(), QStringList({u"Bob Smith"_s, u"Carol"_s}));
    // A contact no longer known shows its handle.
    EXPECT_EQ(form.lines(), QStringList({u"gone"_s, u"alice"_s, u"Bob Smith"_s}));
    EXPECT_EQ(users.find(u"bob"_s)->displayText, u"Bob Smith"_s);
}

TEST_F(RobotUsersFormTest, AddTakesOnlyTextNamingANewContact)
{
    const QString longText = QString(300, u'L');
    const struct {
        QString text;
        std::optional<QString> line;
        QStringList handles;
    } cases[] = {
        {u"Carol"_s, u"Carol"_s, {u"bob"_s, u"carol"_s}},
        {u"alice"_s, u"alice"_s, {u"bob"_s, u"alice"_s}},
        {u"nobody"_s, std::nullopt, {u"bob"_s}},
        {QString(), std::nullopt, {u"bob"_s}},
        // Already in talk mode, under its name or its handle.
        {u"Bob Smith"_s, std::nullopt, {u"bob"_s}},
        {u"bob"_s, std::nullopt, {u"bob"_s}},
        // The box holds at most 255 characters; the rest is not part of the name.
        {longText, longText.left(255), {u"bob"_s, u"long"_s}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.left(20).toStdString());
        users.load(u"bob"_s);
        form.open({});
        EXPECT_EQ(form.add(c.text), c.line);
        EXPECT_EQ(handles(), c.handles);
        EXPECT_EQ(form.lines().size(), c.handles.size());
    }
}

TEST_F(RobotUsersFormTest, RemoveWithoutASelectionAsksForOne)
{
    users.load(u"bob"_s);
    form.open({});
    for (qsizetype row : {qsizetype(-1), qsizetype(1)})
        EXPECT_FALSE(form.remove(row));
    ASSERT_EQ(boxes.boxes().size(), 2);
    EXPECT_EQ(boxes.boxes().at(0).text, SelectFirst);
    EXPECT_TRUE(boxes.boxes().at(0).caption.isEmpty());
    EXPECT_EQ(handles(), QStringList({u"bob"_s}));
}

TEST_F(RobotUsersFormTest, RemoveTakesTheSelectedContactEvenWhenNamesRepeat)
{
    // Both lines read "Sam"; removing the second must not take the first out of talk mode.
    users.load(u"carol,sam2,sam1"_s);
    form.open({});
    EXPECT_EQ(form.lines(), QStringList({u"Carol"_s, u"Sam"_s, u"Sam"_s}));
    EXPECT_TRUE(form.remove(2));
    EXPECT_EQ(handles(), QStringList({u"carol"_s, u"sam2"_s}));
    EXPECT_EQ(form.lines(), QStringList({u"Carol"_s, u"Sam"_s}));
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(RobotUsersFormTest, CloseReportsTheCheckMarkAndStoresTheList)
{
    users.load(u"bob,carol"_s);
    form.open({});
    form.remove(0);
    RobotUsersForm::CloseResult result = form.close();
    EXPECT_TRUE(result.menuChecked);
    EXPECT_EQ(stored(), u"carol"_s);
    EXPECT_FALSE(form.isOpen());

    form.open({});
    form.removeAll();
    EXPECT_TRUE(form.lines().isEmpty());
    result = form.close();
    EXPECT_FALSE(result.menuChecked);
    EXPECT_TRUE(result.saved);
    EXPECT_EQ(stored(), QString());
}

TEST_F(RobotUsersFormTest, ASettingThatCannotBeWrittenIsReported)
{
    registry.setReadOnly(RegistryRoot::CurrentUser, true);
    users.load(u"bob"_s);
    form.open({});
    const RobotUsersForm::CloseResult result = form.close();
    EXPECT_TRUE(result.menuChecked);
    EXPECT_FALSE(result.saved);
}

} // namespace
} // namespace verbalink
