#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

namespace verbalink::gateway {

// Plain text to and from Apertium's stream format, as its text deformatter and reformatter do it:
// the stream's own characters escaped, line breaks and the characters Apertium uses as marks kept
// in blanks (so they come back as typed), and a tag of the request's own as a leading blank.
namespace ApertiumStream {

QByteArray encode(QStringView text, QByteArrayView tag);
// The text back: escapes undone, blanks unwrapped, the tag taken out, and the marks Apertium puts
// on words it could not handle ("*", "#", "@") dropped so the answer reads well. Nothing when the
// tag is not there: the answer belongs to some other request.
std::optional<QString> decode(QByteArrayView stream, QByteArrayView tag);

} // namespace ApertiumStream

} // namespace verbalink::gateway
