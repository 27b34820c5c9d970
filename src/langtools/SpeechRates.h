#pragma once

#include <optional>
#include <span>

namespace verbalink {

// The "Set Speech Rate" commands: each sets the speed of speech, -10 (slowest) … 10 (fastest).
struct SpeechRateEntry {
    int commandId;
    int rate;
};

std::span<const SpeechRateEntry> speechRateEntries();
// The rate a command sets; nothing for any other command.
std::optional<int> speechRateFor(int commandId);

} // namespace verbalink
