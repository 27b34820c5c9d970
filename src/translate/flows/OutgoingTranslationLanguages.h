#pragma once

#include "translate/engines/EngineCall.h"
#include "translate/languages/LanguageSnapshot.h"

namespace verbalink {

// The language choices the snapshot's engine translates with: its source and target menus, or
// for Yahoo and SysTran the language pair as the target.
EngineLanguages outgoingEngineLanguages(const LanguageSnapshot& snapshot);

} // namespace verbalink
