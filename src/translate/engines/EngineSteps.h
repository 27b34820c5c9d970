#pragma once

#include "translate/engines/EngineContext.h"
#include "translate/engines/EngineExchange.h"
#include "translate/engines/EngineResult.h"
#include "translate/engines/EngineTargetRule.h"
#include "translate/engines/EngineWire.h"

#include <QStringView>
#include <optional>

namespace verbalink {

// The extracted translation with the target's flag, or a failure when nothing was extracted.
EngineResult resultWithFlag(const std::optional<QString>& translation, const QString& flag);

// The field between two markers of an HTML answer, trimmed, its numeric references decoded; a
// missing end marker lets the field run to the end.
std::optional<QString> extractHtmlField(QStringView response, QStringView startMarker,
                                        QStringView endMarker);

// The steps every engine with a source and a target menu shares: encode the text, choose the
// target (or skip), one exchange with its retry, and extraction from the whole response text.
// request(host, encodedText, source, target, proxyLine) builds the engine's request;
// extract(responseText) gives the translation or nothing.
template <typename Request, typename Extract>
EngineResult translateWithTarget(const EngineContext& context, const EngineCall& call,
                                 const EngineLanguages& languages, const EngineTargetRule& rule,
                                 EngineMapping mapping, Request request, Extract extract)
{
    const QByteArray text = EngineWire::encodedText(call.text, EngineWire::TextCapacity);
    const EngineTarget target = rule.choose(mapping, languages, call);
    if (target.skipped)
        return EngineResult::skipped();
    const QByteArray response =
        context.exchange.run(context.connection, request(context.host, text, languages.source.code,
                                                         target.code, context.proxyLine));
    return resultWithFlag(extract(EngineExchange::responseText(response)), target.flag);
}

} // namespace verbalink
