#include "langtools/SpeechRates.h"

#include "platform/CommandId.h"

#include <algorithm>
#include <array>

namespace verbalink {

namespace {

constexpr std::array<SpeechRateEntry, 7> Entries{{
    {CommandId::SpeechRateSlowest, -10},
    {CommandId::SpeechRateSlower, -7},
    {CommandId::SpeechRateSlow, -4},
    {CommandId::SpeechRateNormal, 0},
    {CommandId::SpeechRateFast, 4},
    {CommandId::SpeechRateFaster, 7},
    {CommandId::SpeechRateFastest, 10},
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
