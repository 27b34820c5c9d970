#pragma once

#include "translate/engines/EngineCall.h"
#include "translate/engines/EngineContext.h"
#include "translate/engines/EngineResult.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>
#include <optional>

namespace verbalink {

// The Babylon service: languages by number, the answer a script call around a small object.
class BabylonEngine {
public:
    static EngineResult translate(const EngineContext& context, const EngineCall& call);

    static QByteArray request(QByteArrayView host, QByteArrayView encodedText,
                              QByteArrayView source, QByteArrayView target,
                              QByteArrayView proxyLine);
    // The translated text; an answer without it gives its whole body. Nullopt when there is
    // neither or the text is empty.
    static std::optional<QString> extract(QStringView response);
};

} // namespace verbalink
