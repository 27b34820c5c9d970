#include "app/menu/AvatarSizeMenu.h"

#include "app/SettingAccess.h"
#include "app/Settings.h"
#include "app/menu/MenuModel.h"

#include <algorithm>
#include <array>

namespace verbalink {

namespace {

constexpr std::array<std::pair<int, int>, 4> Entries{
    {{0, 33380}, {256, 33381}, {128, 33383}, {96, 33382}}};

} // namespace

std::span<const std::pair<int, int>> avatarSizeEntries()
{
    return Entries;
}

std::optional<int> chooseAvatarSize(MenuModel& menu, RegistryStore& store, int commandId)
{
    const auto* entry = std::find_if(Entries.begin(), Entries.end(),
                                     [&](const auto& e) { return e.second == commandId; });
    if (entry == Entries.end())
        return std::nullopt;
    for (const auto& [pixels, id] : Entries)
        menu.setChecked(id, id == commandId);
    const SettingDefinition* stored = settingFor(&Settings::showAvatars);
    writeSetting(store, QString::fromUtf16(SettingsKeyPath), QString::fromUtf16(stored->name),
                 QString::number(entry->first));
    return entry->first;
}

} // namespace verbalink
