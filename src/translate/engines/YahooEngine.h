#pragma once

#include "translate/engines/EngineCall.h"
#include "translate/engines/EngineContext.h"
#include "translate/engines/EngineResult.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>
#include <optional>

namespace verbalink {

// The Yahoo service: one language pair, no per-contact languages.
class YahooEngine {
public:
    // The call's target is the pair.
    static EngineResult translate(const EngineContext& context, const EngineCall& call);

    static QByteArray request(QByteArrayView host, QByteArrayView encodedText, QByteArrayView pair,
                              QByteArrayView proxyLine);
    // The unescaped result text, or nullopt when the answer holds none.
    static std::optional<QString> extract(QStringView response);
};

} // namespace verbalink
