#pragma once

#include <QString>
#include <QStringView>

namespace verbalink {

// Removes U+0020 at the end, then at the start. Tabs, CR and LF stay.
void trimSpaces(QString& text);

// Removes U+000A at the end, then at the start.
void trimNewlines(QString& text);

// Replaces the first occurrence of `pattern`, then searches again from the start of the
// text, until the pattern no longer occurs; so with "&amp;" -> "&", "&amp;amp;" ends as "&".
// The result is computed in one pass, equal to that rule.
//
// An empty pattern leaves the text unchanged. When the replacement is not shorter than the
// pattern the rule need not end (it never does when the replacement contains the pattern,
// and it can grow the text without bound); such a rewrite is followed only within a work
// budget linear in the text length, and past it every occurrence in the original text is
// replaced once, left to right, instead. A shorter replacement always ends and is exact.
void replaceAll(QString& text, QStringView pattern, QStringView replacement);

} // namespace verbalink
