#pragma once

#include "translate/languages/LanguageTable.h"

#include <QString>

namespace verbalink {

// The input of one outgoing engine call: the message as typed and whose it is.
struct EngineCall {
    QString text;
    qint32 messageId = 0;
    QString partner;
};

// The selected engine's current language choices. Engines with a source and a target menu use
// both and look flags up in the target table; Yahoo and SysTran use `target` as their pair.
struct EngineLanguages {
    LanguageChoice source;
    LanguageChoice target;
    const LanguageTable* targetTable = nullptr;
};

} // namespace verbalink
