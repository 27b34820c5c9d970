#pragma once

#include <QString>

namespace verbalink {

// Decodes decimal character references "&#N;" (at most six characters between "&#" and ";",
// leading digits read, none read as 0). The value 0 removes the reference, values up to
// U+FFFF give that one UTF-16 unit (so two references to the halves of a surrogate pair
// combine), larger values (six digits reach at most 999999, below U+10FFFF) give a surrogate
// pair. The scan resumes at the decoded character, so "&#38;#65;" gives "A". Hexadecimal
// references read as 0 and are removed. An "&#" without ";" close enough stays.
void decodeNumericReferences(QString& text);

// The unescaping shared by the JSON-like answers: the literal texts "\u0026lt;", "\u0026gt;",
// "\u0026quot;", "\u0026", "\u003d" (a backslash, then "u" and digits) become "<", ">", "\"",
// "&", "=", then "&amp;" becomes "&"; each step a replaceAll, in that order.
void unescapeJsonText(QString& text);

// Replaces every "\uXXXX" whose four characters are hexadecimal digits by that UTF-16 unit,
// in one left-to-right pass (a decoded character never starts or completes another escape).
// An escape with fewer than four following characters, or with any of the four not a hex
// digit, stays as it is; "\u0000" is removed rather than cutting the text.
void decodeUnicodeEscapes(QString& text);

} // namespace verbalink
