#include "langtools/SpeechPieces.h"

namespace verbalink {

namespace {

bool endsSentence(QStringView text, qsizetype at)
{
    const QChar c = text[at];
    if (c == u'\n')
        return true;
    const bool mark = c == u'.' || c == u'!' || c == u'?' || c == u';';
    return mark && (at + 1 == text.size() || text[at + 1].isSpace());
}

// Length of the next piece of `rest`, which is longer than maxLength.
qsizetype pieceLength(QStringView rest, qsizetype maxLength)
{
    qsizetype afterSpace = 0;
    for (qsizetype i = maxLength - 1; i > 0; --i) {
        if (endsSentence(rest, i))
            return i + 1;
        if (afterSpace == 0 && rest[i].isSpace())
            afterSpace = i + 1;
    }
    if (afterSpace > 0)
        return afterSpace;
    // No place to break: cut, but keep a surrogate pair together.
    return rest[maxLength - 1].isHighSurrogate() && maxLength > 1 ? maxLength - 1 : maxLength;
}

} // namespace

QStringList speechPieces(const QString& text, qsizetype maxLength)
{
    QStringList pieces;
    QStringView rest(text);
    const qsizetype limit = qMax<qsizetype>(maxLength, 2);
    while (rest.size() > limit) {
        const qsizetype length = pieceLength(rest, limit);
        pieces.append(rest.first(length).toString());
        rest = rest.sliced(length);
    }
    if (!rest.isEmpty())
        pieces.append(rest.toString());
    return pieces;
}

} // namespace verbalink
