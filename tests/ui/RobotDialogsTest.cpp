#include "FakeClock.h"
#include "FakeContacts.h"
#include "FakeMessageBox.h"
#include "TranslationFlowFakeChat.h"
#include "app/SettingAccess.h"
#include "app/Settings.h"
#include "extras/ChatRobot.h"
#include "extras/RobotSettingsForm.h"
#include "extras/RobotUsers.h"
#include "extras/RobotUsersForm.h"
#include "platform/MemoryRegistryStore.h"
#include "translate/net/ServiceConnections.h"
#include "ui/RobotSettingsDialog.h"
#include "ui/RobotUsersDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace verbalink {
namespace {

using namespace Qt::StringLiterals;

QPushButton* button(QWidget& dialog, const QString& text)
{
    for (QPushButton* candidate : dialog.findChildren<QPushButton*>())
        if (candidate->text() == text)
            return candidate;
    return nullptr;
}

QStringList labels(QWidget& dialog)
{
    QStringList result;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        result.append(label->text());
    return result;
}

class RobotDialogsTest : public ::testing::Test {
protected:
    MemoryRegistryStore registry;
    test::FakeMessageBox boxes;
    test::FakeContacts contacts{{{u"bob"_s, u"Bob Smith"_s}, {u"carol"_s, u"Carol"_s}}};
    RobotUsers users;
    test::FakeTranslationChat chat;
    ServiceConnections connections{boxes};
    test::FakeClock clock;
    ChatRobot robot{{chat, connections, boxes, clock, users}, "127.0.0.1", "127.0.0.1"};

    QString stored(const QString& name)
    {
        return registry
            .readValue(RegistryRoot::CurrentUser, QString::fromUtf16(SettingsKeyPath), name)
            .value_or(u"<none>"_s);
    }
};

TEST_F(RobotDialogsTest, UsersDialogAddsRemovesAndStoresOnClose)
{
    RobotUsersForm form{users,
                        {contacts.lookups(), boxes, [] { return u"Select first"_s; },
                         [this](const QString& text) {
                             return writeSetting(registry, QString::fromUtf16(SettingsKeyPath),
                                                 u"RobotUserList"_s, text);
                         }}};
    users.load(u"bob"_s);
    RobotUsersDialog dialog(form, {u"Bob Smith"_s, u"Carol"_s});
    QSignalSpy closed(&dialog, &RobotUsersDialog::usersClosed);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), u"Verbalink A.I. Talk Robot"_s);
    EXPECT_TRUE(labels(dialog).contains(u"List of all users put in A.I. talk mode"_s));
    auto* combo = dialog.findChild<QComboBox*>();
    auto* list = dialog.findChild<QListWidget*>();
    ASSERT_TRUE(combo && list);
    EXPECT_EQ(combo->count(), 2);
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), u"Bob Smith"_s);

    combo->setCurrentIndex(1);
    QTest::mouseClick(button(dialog, u"Add"_s), Qt::LeftButton);
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), u"Carol"_s);

    QTest::mouseClick(button(dialog, u"Remove"_s), Qt::LeftButton);
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes().at(0).text, u"Select first"_s);
    list->setCurrentRow(0);
    QTest::mouseClick(button(dialog, u"Remove"_s), Qt::LeftButton);
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), u"Carol"_s);

    QTest::mouseClick(button(dialog, u"Close"_s), Qt::LeftButton);
    ASSERT_EQ(closed.count(), 1);
    EXPECT_TRUE(closed.at(0).at(0).toBool());
    EXPECT_EQ(stored(u"RobotUserList"_s), u"carol"_s);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(RobotDialogsTest, SettingsDialogResetsSavesAndCancels)
{
    robot.setOptions({"mybot42", true, false});
    RobotSettingsForm form{robot, registry, boxes};
    {
        RobotSettingsDialog dialog(form);
        dialog.show();
        EXPECT_EQ(dialog.windowTitle(), u"A.I. Talk Robot Settings"_s);
        auto* id = dialog.findChild<QLineEdit*>();
        const QList<QCheckBox*> checks = dialog.findChildren<QCheckBox*>();
        ASSERT_TRUE(id);
        ASSERT_EQ(checks.size(), 2);
        EXPECT_EQ(checks.at(0)->text(), u"Translate answer to detected language"_s);
        EXPECT_EQ(checks.at(1)->text(), u"Delay answer with random period ( 5-10 seconds )"_s);
        EXPECT_EQ(id->text(), u"mybot42"_s);
        EXPECT_TRUE(checks.at(0)->isChecked());
        EXPECT_FALSE(checks.at(1)->isChecked());

        // Typing a different id, then Reset Default, then Cancel: nothing changes.
        id->clear();
        QTest::keyClicks(id, u"otherbot"_s);
        QTest::mouseClick(button(dialog, u"Reset Default"_s), Qt::LeftButton);
        EXPECT_EQ(id->text().toLatin1(), ChatRobot::DefaultRobotId.toByteArray());
        EXPECT_FALSE(checks.at(0)->isChecked());
        EXPECT_TRUE(checks.at(1)->isChecked());
        QTest::mouseClick(button(dialog, u"Cancel"_s), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), 2);
        EXPECT_FALSE(form.isOpen());
        EXPECT_EQ(registry.writeCount(), 0);
        EXPECT_EQ(robot.options().robotId, "mybot42");
    }
    RobotSettingsDialog dialog(form);
    dialog.show();
    EXPECT_TRUE(form.isOpen());
    QTest::mouseClick(button(dialog, u"Reset Default"_s), Qt::LeftButton);
    QTest::mouseClick(button(dialog, u"Save"_s), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_FALSE(form.isOpen());
    EXPECT_EQ(stored(u"RobotID"_s).toLatin1(), ChatRobot::DefaultRobotId.toByteArray());
    EXPECT_EQ(stored(u"RobotDelayAnswer"_s), u"1"_s);
    EXPECT_EQ(stored(u"RobotTransAnswer"_s), u"0"_s);
    EXPECT_FALSE(robot.options().translateAnswer);
    EXPECT_TRUE(robot.options().delayAnswer);
}

} // namespace
} // namespace verbalink
