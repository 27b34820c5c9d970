#include "extras/RobotSettingsForm.h"

#include "FakeClock.h"
#include "FakeMessageBox.h"
#include "TranslationFlowFakeChat.h"
#include "app/SettingAccess.h"
#include "app/Settings.h"
#include "extras/ChatRobot.h"
#include "extras/RobotUsers.h"
#include "platform/MemoryRegistryStore.h"
#include "translate/net/ServiceConnections.h"

#include <gtest/gtest.h>

namespace verbalink {
namespace {

using namespace Qt::StringLiterals;
using IdOutcome = RobotSettingsForm::IdOutcome;

class RobotSettingsFormTest : public ::testing::Test {
protected:
    MemoryRegistryStore registry;
    test::FakeMessageBox boxes;
    test::FakeTranslationChat chat;
    ServiceConnections connections{boxes};
    test::FakeClock clock;
    RobotUsers users;
    // No turn runs here, so the hosts are never asked.
    ChatRobot robot{{chat, connections, boxes, clock, users}, "127.0.0.1", "127.0.0.1"};
    RobotSettingsForm form{robot, registry, boxes};

    void SetUp() override { robot.setOptions({"mybot42", true, false}); }

    std::optional<QString> stored(const QString& name)
    {
        return registry.readValue(RegistryRoot::CurrentUser, QString::fromUtf16(SettingsKeyPath),
                                  name);
    }
};

TEST_F(RobotSettingsFormTest, OpensWithTheRobotsValues)
{
    const RobotSettingsForm::Fields fields = form.open();
    EXPECT_TRUE(form.isOpen());
    EXPECT_EQ(fields.robotId, u"mybot42"_s);
    EXPECT_TRUE(fields.translateAnswer);
    EXPECT_FALSE(fields.delayAnswer);
    form.cancel();
    EXPECT_FALSE(form.isOpen());
    EXPECT_EQ(registry.writeCount(), 0);
}

TEST_F(RobotSettingsFormTest, ResetDefaultShowsTheBuiltInRobotAndStoresNothing)
{
    form.open();
    const RobotSettingsForm::Fields fields = RobotSettingsForm::defaults();
    EXPECT_EQ(fields.robotId.toLatin1(), ChatRobot::DefaultRobotId.toByteArray());
    EXPECT_FALSE(fields.translateAnswer);
    EXPECT_TRUE(fields.delayAnswer);
    EXPECT_EQ(registry.writeCount(), 0);
    EXPECT_EQ(robot.options().robotId, "mybot42");
}

TEST_F(RobotSettingsFormTest, SaveTakesOnlyAUsableIdButAlwaysTheOptions)
{
    const struct {
        QString typed;
        IdOutcome outcome;
        QByteArray robotId;
    } cases[] = {
        {u"b0dafd24ee35a477"_s, IdOutcome::Taken, "b0dafd24ee35a477"},
        {u"ab"_s, IdOutcome::Taken, "ab"},
        {u"x"_s, IdOutcome::TooShort, "mybot42"},
        {QString(), IdOutcome::TooShort, "mybot42"},
        // It would change the request line or not read back whole from the settings.
        {u"bot&input=hi"_s, IdOutcome::Refused, "mybot42"},
        {u"bot HTTP/1.0\r\nHost: elsewhere"_s, IdOutcome::Refused, "mybot42"},
        {u"bötchen"_s, IdOutcome::Refused, "mybot42"},
        {QString(100, u'a'), IdOutcome::Refused, "mybot42"},
        {QString(99, u'a'), IdOutcome::Taken, QByteArray(99, 'a')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        MemoryRegistryStore fresh;
        test::FakeMessageBox freshBoxes;
        robot.setOptions({"mybot42", true, false});
        RobotSettingsForm saving{robot, fresh, freshBoxes};
        saving.open();
        const RobotSettingsForm::SaveResult result = saving.save({c.typed, false, true});
        EXPECT_EQ(result.id, c.outcome);
        EXPECT_TRUE(result.stored);
        EXPECT_FALSE(saving.isOpen());
        EXPECT_EQ(robot.options().robotId, c.robotId);
        EXPECT_FALSE(robot.options().translateAnswer);
        EXPECT_TRUE(robot.options().delayAnswer);
        const QString path = QString::fromUtf16(SettingsKeyPath);
        EXPECT_EQ(fresh.readValue(RegistryRoot::CurrentUser, path, u"RobotID"_s),
                  c.outcome == IdOutcome::Taken ? std::optional(c.typed) : std::nullopt);
        EXPECT_EQ(fresh.readValue(RegistryRoot::CurrentUser, path, u"RobotDelayAnswer"_s), u"1"_s);
        EXPECT_EQ(fresh.readValue(RegistryRoot::CurrentUser, path, u"RobotTransAnswer"_s), u"0"_s);
        // Only a refused id is explained; a short one means "keep the robot".
        EXPECT_EQ(freshBoxes.boxes().size(), c.outcome == IdOutcome::Refused ? 1 : 0);
    }
}

TEST_F(RobotSettingsFormTest, SavedIdReadsBackAsTheSameRobot)
{
    form.open();
    form.save({u"0123456789abcdef"_s, true, true});
    const QByteArray read =
        readSetting(registry, RegistryRoot::CurrentUser, QString::fromUtf16(SettingsKeyPath),
                    u"RobotID"_s, QString());
    EXPECT_EQ(ChatRobot::robotIdOrDefault(read), robot.options().robotId);
}

TEST_F(RobotSettingsFormTest, ASettingThatCannotBeWrittenIsReported)
{
    registry.setReadOnly(RegistryRoot::CurrentUser, true);
    form.open();
    const RobotSettingsForm::SaveResult result = form.save({u"newbot"_s, false, false});
    EXPECT_FALSE(result.stored);
    // The robot follows the choice for this run all the same.
    EXPECT_EQ(robot.options().robotId, "newbot");
}

} // namespace
} // namespace verbalink
