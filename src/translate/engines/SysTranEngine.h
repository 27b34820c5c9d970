#pragma once

#include "translate/engines/EngineCall.h"
#include "translate/engines/EngineContext.h"
#include "translate/engines/EngineResult.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>
#include <optional>

namespace verbalink {

// The SysTran service: a first request fetches the session cookies, the second posts the text
// with them for one language pair.
class SysTranEngine {
public:
    // The call's target is the pair.
    static EngineResult translate(const EngineContext& context, const EngineCall& call);

    static QByteArray cookieRequest(QByteArrayView host, QByteArrayView proxyLine);
    // "Cookie:" and, for each Set-Cookie header of the answer, its value up to and including
    // the ";". A value never reaches past its own header line.
    static QByteArray cookieLine(QByteArrayView cookieAnswer);
    // The body is the message in UTF-8 as it is, not URL-encoded.
    static QByteArray translationRequest(QByteArrayView host, QByteArrayView pair,
                                         QByteArrayView cookieLine, QByteArrayView body,
                                         QByteArrayView proxyLine);
    static std::optional<QString> extract(QStringView response);
};

} // namespace verbalink
