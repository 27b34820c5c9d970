#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace verbalink {

// Service answers are searched, not parsed: a field is the text after a start marker up to
// the first following end marker.

enum class MissingEnd {
    Fail,     // no end marker: no field
    RunToEnd, // no end marker: the field runs to the end of the text
};

// Where a field lies in the searched text: [begin, end). `begin` is just after the start
// marker, `end` the end marker's position or the text's end.
struct MarkedSpan {
    qsizetype begin = 0;
    qsizetype end = 0;
    bool endFound = false;
};

// A start marker at position 0, or missing, or empty counts as absent: nullopt. The end
// marker is searched from just after the start marker; found right there it gives an empty
// field. An empty end marker means the field runs to the end of the text.
std::optional<MarkedSpan> findMarkedSpan(QStringView text, QStringView startMarker,
                                         QStringView endMarker, MissingEnd missingEnd);

// The field text of findMarkedSpan().
std::optional<QString> extractBetweenMarkers(QStringView text, QStringView startMarker,
                                             QStringView endMarker, MissingEnd missingEnd);

} // namespace verbalink
