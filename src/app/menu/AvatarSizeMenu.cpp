#include "app/menu/AvatarSizeMenu.h"

#include "app/StoredSettings.h"
#include "app/menu/MenuModel.h"
#include "platform/CommandId.h"

#include <algorithm>
#include <array>

namespace verbalink {

namespace {

constexpr std::array<std::pair<int, int>, 4> Entries{{{0, CommandId::AvatarsDisabled},
                                                      {256, CommandId::AvatarsBig},
                                                      {128, CommandId::AvatarsNormal},
                                                      {96, CommandId::AvatarsSmall}}};

} // namespace

std::span<const std::pair<int, int>> avatarSizeEntries()
{
    return Entries;
}

std::optional<int> chooseAvatarSize(MenuModel& menu, StoredSettings& settings, int commandId)
{
    const auto* entry = std::find_if(Entries.begin(), Entries.end(),
                                     [&](const auto& e) { return e.second == commandId; });
    if (entry == Entries.end())
        return std::nullopt;
    for (const auto& [pixels, id] : Entries)
        menu.setChecked(id, id == commandId);
    settings.set(&Settings::showAvatars, entry->first);
    return entry->first;
}

} // namespace verbalink
