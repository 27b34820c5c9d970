#pragma once

#include <QByteArray>
#include <QStringView>

namespace verbalink::gateway {

// Text inside the services' answers, escaped so that each engine's unescaping gives it back.
namespace AnswerEscapes {

// "&", "<", ">", the quotation mark, the backslash and control characters as decimal references
// ("&#60;"), everything else as UTF-8. No end marker of any answer can then occur in the text,
// and the engines that end with decoding references restore it.
QByteArray asNumericReferences(QStringView text);
// The quotation mark, the backslash, "&", control characters and everything beyond ASCII as
// "\uXXXX": Babylon's engine decodes those last, after its other replacements.
QByteArray asUnicodeEscapes(QStringView text);

} // namespace AnswerEscapes

} // namespace verbalink::gateway
