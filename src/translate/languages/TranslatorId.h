#pragma once

#include <array>
#include <optional>

namespace verbalink {

// The translation service that outgoing messages go to, by its stored engine number.
enum class TranslatorId { Google = 1, Yahoo = 2, Bing = 3, Babylon = 4, SysTran = 5, Promt = 6 };

// The engine for a stored number; anything outside 1..6 means Google.
TranslatorId translatorFromNumber(int number);
int translatorNumber(TranslatorId translator);

// The "Set Translator" menu entry of each engine, and the engine an entry chooses (none for
// other command ids).
int translatorCommandId(TranslatorId translator);
std::optional<TranslatorId> translatorForCommand(int commandId);
// The six engines in engine-number order.
const std::array<TranslatorId, 6>& allTranslators();

} // namespace verbalink
