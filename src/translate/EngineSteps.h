#pragma once

#include "translate/EngineContext.h"
#include "translate/EngineExchange.h"
#include "translate/EngineResult.h"
#include "translate/EngineTargetRule.h"
#include "translate/EngineWire.h"

#include <optional>

namespace verbalink {

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
    const std::optional<QString> translation = extract(EngineExchange::responseText(response));
    if (!translation)
        return EngineResult::failed();
    return EngineResult::translated(*translation, target.flag);
}

} // namespace verbalink
