#include "translate/engines/EngineSteps.h"

#include "translate/text/MarkerExtraction.h"
#include "translate/text/TextEdits.h"
#include "translate/text/TextEscapes.h"

namespace verbalink {

EngineResult resultOf(const std::optional<QString>& translation)
{
    if (!translation)
        return EngineResult::failed();
    return EngineResult::translated(*translation);
}

std::optional<QString> extractHtmlField(QStringView response, QStringView startMarker,
                                        QStringView endMarker)
{
    std::optional<QString> text =
        extractBetweenMarkers(response, startMarker, endMarker, MissingEnd::RunToEnd);
    if (text) {
        trimSpaces(*text);
        decodeNumericReferences(*text);
    }
    return text;
}

} // namespace verbalink
