#pragma once

#include <QList>
#include <QStringView>

namespace verbalink {

// One word of a text, by its UTF-16 positions.
struct WordSpan {
    qsizetype start = 0;
    qsizetype length = 0;
    bool operator==(const WordSpan&) const = default;
};

// The 35 characters that end a word for the spell check. The apostrophe, digits and letters are
// not among them, so "don't" and "abc123" are single words.
bool isWordDelimiter(QChar c);

// The words of a text in order: runs of characters that are not delimiters.
QList<WordSpan> spellWords(QStringView text);

} // namespace verbalink
