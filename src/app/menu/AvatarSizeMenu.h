#pragma once

#include <optional>
#include <span>
#include <utility>

namespace verbalink {

class MenuModel;
class StoredSettings;

// The "Show user avatars" entries: each chooses a popup avatar size in pixels (0 is none).
// The pairs are (pixels, command id).
std::span<const std::pair<int, int>> avatarSizeEntries();

// A choice of one entry: checks it alone and stores its size as `ShowAvatars` at once. The
// chosen size, or nothing when the command is not one of the entries.
std::optional<int> chooseAvatarSize(MenuModel& menu, StoredSettings& settings, int commandId);

} // namespace verbalink
