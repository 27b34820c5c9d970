#include "langtools/SpellWords.h"

namespace verbalink {

namespace {

constexpr char16_t Delimiters[] = u", \t\n\r\a!.?@#$%^&*()-+=/><\";[]{}|_~\\:";

} // namespace

bool isWordDelimiter(QChar c)
{
    for (char16_t d : Delimiters) {
        if (d != 0 && c.unicode() == d)
            return true;
    }
    return false;
}

QList<WordSpan> spellWords(QStringView text)
{
    QList<WordSpan> words;
    qsizetype i = 0;
    while (i < text.size()) {
        while (i < text.size() && isWordDelimiter(text[i]))
            ++i;
        const qsizetype start = i;
        while (i < text.size() && !isWordDelimiter(text[i]))
            ++i;
        if (i > start)
            words.append({start, i - start});
    }
    return words;
}

} // namespace verbalink
