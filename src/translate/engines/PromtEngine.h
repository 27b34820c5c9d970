#pragma once

#include "translate/engines/EngineCall.h"
#include "translate/engines/EngineContext.h"
#include "translate/engines/EngineResult.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

namespace verbalink {

// The Promt mobile service: one-letter language codes, the answer in a <result> element.
class PromtEngine {
public:
    static EngineResult translate(const EngineContext& context, const EngineCall& call);

    static QByteArray request(QByteArrayView host, QByteArrayView encodedText,
                              QByteArrayView source, QByteArrayView target,
                              QByteArrayView proxyLine);
    // The unescaped result; the service's error page gives the typed text back, which leaves
    // the message unchanged. Nullopt when the answer holds no result.
    static std::optional<QString> extract(QStringView response, const QString& typedText);
};

} // namespace verbalink
