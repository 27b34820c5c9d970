#include "app/menu/SettingsMenuMarks.h"

#include "app/StoredSettings.h"
#include "app/menu/AvatarSizeMenu.h"
#include "app/menu/MenuModel.h"
#include "app/menu/MenuResource.h"
#include "platform/CommandId.h"
#include "platform/MemoryRegistryStore.h"

#include <QHash>
#include <functional>
#include <gtest/gtest.h>

using namespace verbalink;

namespace {

std::unique_ptr<MenuModel> trayMenu()
{
    MenuResource::Result data = MenuResource::readTrayMenu();
    EXPECT_TRUE(data.root) << qPrintable(data.error);
    return std::make_unique<MenuModel>(std::move(data.root));
}

bool checked(const MenuModel& menu, int id)
{
    const MenuItem* item = menu.find(id);
    EXPECT_NE(item, nullptr) << id;
    return item && item->isChecked();
}

} // namespace

TEST(SettingsMenuMarks, DefaultsCheckOnlyTheOptionsThatStartOn)
{
    const auto model = trayMenu();
    MenuModel& menu = *model;
    applySettingsToMenu(menu, Settings());
    for (int on : {CommandId::ShowFlags, CommandId::AvatarsDisabled, CommandId::TranslateInChat,
                   CommandId::DecryptedAutoPopup})
        EXPECT_TRUE(checked(menu, on)) << on;
    for (int off : {CommandId::RobotUsers, CommandId::TranslationFilter, CommandId::VoiceRecorder,
                    CommandId::HearVoice, CommandId::HearMusic, CommandId::ShowTransliteration,
                    CommandId::AvatarsBig, CommandId::AvatarsSmall, CommandId::AvatarsNormal,
                    CommandId::RunAtLogin})
        EXPECT_FALSE(checked(menu, off)) << off;
}

TEST(SettingsMenuMarks, StoredOptionsAreMirrored)
{
    const auto model = trayMenu();
    MenuModel& menu = *model;
    Settings s;
    s.robotUserList = QStringLiteral("bob");
    s.translateOnlyList = QStringLiteral("alice|de");
    s.callAutoRecord = 1;
    s.showFlags = 0;
    s.showAvatars = 96;
    s.runAtLogin = true;
    s.encryptPopup = 0;
    applySettingsToMenu(menu, s);
    for (int on : {CommandId::RobotUsers, CommandId::TranslationFilter, CommandId::VoiceRecorder,
                   CommandId::AvatarsSmall, CommandId::RunAtLogin})
        EXPECT_TRUE(checked(menu, on)) << on;
    for (int off : {CommandId::ShowFlags, CommandId::AvatarsDisabled, CommandId::AvatarsBig,
                    CommandId::AvatarsNormal, CommandId::DecryptedAutoPopup})
        EXPECT_FALSE(checked(menu, off)) << off;

    // A size that is none of the four checks no avatar entry.
    s.showAvatars = 100;
    applySettingsToMenu(menu, s);
    for (int id : {CommandId::AvatarsDisabled, CommandId::AvatarsBig, CommandId::AvatarsSmall,
                   CommandId::AvatarsNormal})
        EXPECT_FALSE(checked(menu, id)) << id;
}

TEST(AvatarSizeMenu, AChoiceChecksOneEntryAndStoresItsSize)
{
    const auto model = trayMenu();
    MenuModel& menu = *model;
    MemoryRegistryStore store;
    StoredSettings settings{store};
    const std::pair<int, int> choices[] = {{CommandId::AvatarsNormal, 128},
                                           {CommandId::AvatarsBig, 256},
                                           {CommandId::AvatarsSmall, 96},
                                           {CommandId::AvatarsDisabled, 0}};
    for (const auto& [commandId, pixels] : choices) {
        EXPECT_EQ(chooseAvatarSize(menu, settings, commandId), pixels);
        for (int id : {CommandId::AvatarsDisabled, CommandId::AvatarsBig, CommandId::AvatarsSmall,
                       CommandId::AvatarsNormal})
            EXPECT_EQ(checked(menu, id), id == commandId) << id;
        EXPECT_EQ(store.readValue(RegistryRoot::CurrentUser, QStringLiteral("Software\\Verbalink"),
                                  QStringLiteral("ShowAvatars")),
                  QString::number(pixels));
    }
    // Other commands are not avatar sizes and change nothing.
    EXPECT_EQ(chooseAvatarSize(menu, settings, CommandId::ShowTransliteration), std::nullopt);
    EXPECT_TRUE(checked(menu, CommandId::AvatarsDisabled));
}

// Wired as the program wires it: each change re-marks the entries of that option only.
TEST(SettingsMenuMarks, AChangedOptionMovesOnlyItsOwnMarks)
{
    const auto model = trayMenu();
    MenuModel& menu = *model;
    MemoryRegistryStore store;
    Settings initial;
    initial.runCommand = QStringLiteral("\"/usr/bin/verbalink\"");
    StoredSettings settings{store, initial};
    applySettingsToMenu(menu, settings.values());
    QObject::connect(&settings, &StoredSettings::changed, [&](const QString& name) {
        applySettingToMenu(menu, settings.values(), name);
    });
    auto marks = [&] {
        QHash<int, bool> checked;
        for (const CommandIdEntry& entry : commandIdEntries()) {
            if (const MenuItem* item = menu.find(entry.id))
                checked.insert(entry.id, item->isChecked());
        }
        return checked;
    };

    struct Case {
        const char* what;
        std::function<void()> change;
        QHash<int, bool> moved;
    };
    const Case cases[] = {
        {"auto record",
         [&] { settings.setFlag(&Settings::callAutoRecord, true); },
         {{CommandId::VoiceRecorder, true}}},
        {"robot users",
         [&] { settings.set(&Settings::robotUserList, QStringLiteral("bob")); },
         {{CommandId::RobotUsers, true}}},
        {"filter",
         [&] { settings.set(&Settings::translateOnlyList, QStringLiteral("bob|de")); },
         {{CommandId::TranslationFilter, true}}},
        {"avatar size",
         [&] { settings.set(&Settings::showAvatars, 96); },
         {{CommandId::AvatarsDisabled, false}, {CommandId::AvatarsSmall, true}}},
        {"auto popup",
         [&] { settings.setFlag(&Settings::encryptPopup, false); },
         {{CommandId::DecryptedAutoPopup, false}}},
        {"hear music",
         [&] { settings.setFlag(&Settings::musicPlayback, true); },
         {{CommandId::HearMusic, true}}},
        {"login", [&] { settings.setRunAtLogin(true); }, {{CommandId::RunAtLogin, true}}},
        {"no mark", [&] { settings.set(&Settings::hotkeys, CommandId::HotKeysAlt); }, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QHash<int, bool> before = marks();
        c.change();
        const QHash<int, bool> after = marks();
        QHash<int, bool> moved;
        for (auto it = after.cbegin(); it != after.cend(); ++it) {
            if (before.value(it.key()) != it.value())
                moved.insert(it.key(), it.value());
        }
        EXPECT_EQ(moved, c.moved);
    }
}
