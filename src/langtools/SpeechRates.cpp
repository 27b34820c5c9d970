#include "langtools/SpeechRates.h"

#include <algorithm>
#include <array>

namespace verbalink {

namespace {

constexpr std::array<SpeechRateEntry, 7> Entries{{
    {33055, -10}, // Slowest
    {33062, -7},  // Slower
    {33056, -4},  // Slow
    {33057, 0},   // Normal
    {33058, 4},   // Fast
    {33063, 7},   // Faster
    {33061, 10},  // Fastest
}};

} // namespace

std::span<const SpeechRateEntry> speechRateEntries()
{
    return Entries;
}

std::optional<int> speechRateFor(int commandId)
{
    const auto* entry = std::find_if(Entries.begin(), Entries.end(), [&](const SpeechRateEntry& e) {
        return e.commandId == commandId;
    });
    if (entry == Entries.end())
        return std::nullopt;
    return entry->rate;
}

} // namespace verbalink
