#include "app/menu/SettingsMenuMarks.h"

#include "app/Settings.h"
#include "app/menu/AvatarSizeMenu.h"
#include "app/menu/MenuModel.h"
#include "app/menu/MenuResource.h"
#include "platform/MemoryRegistryStore.h"

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
    for (int on : {33340, 33380, 33354, 33234})
        EXPECT_TRUE(checked(menu, on)) << on;
    for (int off : {33181, 33371, 33184, 33193, 33376, 33328, 33381, 33382, 33383, 32935})
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
    for (int on : {33181, 33371, 33184, 33382, 32935})
        EXPECT_TRUE(checked(menu, on)) << on;
    for (int off : {33340, 33380, 33381, 33383, 33234})
        EXPECT_FALSE(checked(menu, off)) << off;

    // A size that is none of the four checks no avatar entry.
    s.showAvatars = 100;
    applySettingsToMenu(menu, s);
    for (int id : {33380, 33381, 33382, 33383})
        EXPECT_FALSE(checked(menu, id)) << id;
}

TEST(AvatarSizeMenu, AChoiceChecksOneEntryAndStoresItsSize)
{
    const auto model = trayMenu();
    MenuModel& menu = *model;
    MemoryRegistryStore store;
    const std::pair<int, int> choices[] = {{33383, 128}, {33381, 256}, {33382, 96}, {33380, 0}};
    for (const auto& [commandId, pixels] : choices) {
        EXPECT_EQ(chooseAvatarSize(menu, store, commandId), pixels);
        for (int id : {33380, 33381, 33382, 33383})
            EXPECT_EQ(checked(menu, id), id == commandId) << id;
        EXPECT_EQ(store.readValue(RegistryRoot::CurrentUser, QStringLiteral("Software\\Verbalink"),
                                  QStringLiteral("ShowAvatars")),
                  QString::number(pixels));
    }
    // Other commands are not avatar sizes and change nothing.
    EXPECT_EQ(chooseAvatarSize(menu, store, 33328), std::nullopt);
    EXPECT_TRUE(checked(menu, 33380));
}
