#include "translate/text/MarkerExtraction.h"

namespace verbalink {

std::optional<MarkedSpan> findMarkedSpan(QStringView text, QStringView startMarker,
                                         QStringView endMarker, MissingEnd missingEnd)
{
    if (startMarker.isEmpty())
        return std::nullopt;
    // Position 0 counts as absent: answers begin with their status line, never with a field.
    const qsizetype start = text.indexOf(startMarker);
    if (start <= 0)
        return std::nullopt;
    MarkedSpan span;
    span.begin = start + startMarker.size();
    span.end = text.size();
    if (endMarker.isEmpty())
        return span;
    const qsizetype end = text.indexOf(endMarker, span.begin);
    if (end >= 0) {
        span.end = end;
        span.endFound = true;
    } else if (missingEnd == MissingEnd::Fail) {
        return std::nullopt;
    }
    return span;
}

std::optional<QString> extractBetweenMarkers(QStringView text, QStringView startMarker,
                                             QStringView endMarker, MissingEnd missingEnd)
{
    const std::optional<MarkedSpan> span = findMarkedSpan(text, startMarker, endMarker, missingEnd);
    if (!span)
        return std::nullopt;
    return text.sliced(span->begin, span->end - span->begin).toString();
}

} // namespace verbalink
