#pragma once

#include "translate/engines/EngineCall.h"
#include "translate/engines/EngineContext.h"
#include "translate/engines/EngineExchange.h"
#include "translate/engines/EngineResult.h"
#include "translate/engines/EngineWire.h"

#include <QStringView>
#include <optional>

namespace verbalink {

// The extracted translation, or a failure when nothing was extracted.
EngineResult resultOf(const std::optional<QString>& translation);

// The field between two markers of an HTML answer, trimmed, its numeric references decoded; a
// missing end marker lets the field run to the end.
std::optional<QString> extractHtmlField(QStringView response, QStringView startMarker,
                                        QStringView endMarker);

// The steps every engine with a source and a target language shares: encode the text, one
// exchange with its retry, and extraction from the whole response text.
// request(host, encodedText, source, target, proxyLine) builds the engine's request;
// extract(responseText) gives the translation or nothing.
template <typename Request, typename Extract>
EngineResult translateWithLanguages(const EngineContext& context, const EngineCall& call,
                                    Request request, Extract extract)
{
    const QByteArray text = EngineWire::encodedText(call.text, EngineWire::TextCapacity);
    const QByteArray response =
        context.exchange.run(context.connection, request(context.host, text, call.source,
                                                         call.target, context.proxyLine));
    return resultOf(extract(EngineExchange::responseText(response)));
}

} // namespace verbalink
