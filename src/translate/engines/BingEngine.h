#pragma once

#include "translate/engines/EngineCall.h"
#include "translate/engines/EngineContext.h"
#include "translate/engines/EngineResult.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>
#include <optional>

namespace verbalink {

// The Bing service: a form post whose languages travel in a cookie. The service keeps the
// connection open, so its connection reads in single-read mode.
class BingEngine {
public:
    static EngineResult translate(const EngineContext& context, const EngineCall& call);

    // An empty source lets the service detect it.
    static QByteArray request(QByteArrayView host, QByteArrayView encodedText,
                              QByteArrayView source, QByteArrayView target,
                              QByteArrayView proxyLine);
    static std::optional<QString> extract(QStringView response);
};

} // namespace verbalink
