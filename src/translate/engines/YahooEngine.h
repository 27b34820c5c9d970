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
    // `languages.target` is the pair; its flag is the result's flag.
    static EngineResult translate(const EngineContext& context, const EngineCall& call,
                                  const EngineLanguages& languages);

    static QByteArray request(QByteArrayView host, QByteArrayView encodedText, QByteArrayView pair,
                              QByteArrayView proxyLine);
    // The unescaped result text, or nullopt when the answer holds none.
    static std::optional<QString> extract(QStringView response);
};

} // namespace verbalink
