#include "skype/SkypeText.h"

namespace verbalink::skypetext {

namespace {

bool isSeparator(QChar c)
{
    return c == u',' || c == u' ' || c == u'\t';
}

} // namespace

KindAndArgument splitKind(QStringView line)
{
    const qsizetype space = line.indexOf(u' ');
    if (space < 0)
        return {line, {}};
    return {line.left(space), line.mid(space + 1)};
}

QList<QStringView> tokens(QStringView text, qsizetype limit)
{
    QList<QStringView> result;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool end = i == text.size() || isSeparator(text[i]);
        if (!end) {
            if (start < 0)
                start = i;
            continue;
        }
        if (start >= 0) {
            result.append(text.mid(start, i - start));
            start = -1;
            if (limit >= 0 && result.size() >= limit)
                break;
        }
    }
    return result;
}

QStringView textBetween(QStringView text, QStringView open, QStringView close)
{
    const qsizetype openAt = text.indexOf(open);
    const qsizetype closeAt = text.indexOf(close);
    if (openAt < 0 || closeAt < 0)
        return {};
    const qsizetype begin = openAt + open.size();
    if (closeAt < begin)
        return {};
    return text.mid(begin, closeAt - begin);
}

QStringView textAfter(QStringView text, QStringView anchor, qsizetype from)
{
    const qsizetype at = text.indexOf(anchor, from);
    if (at < 0)
        return {};
    return text.mid(at + anchor.size());
}

std::optional<qint32> toInt32(QStringView token)
{
    bool ok = false;
    const int value = token.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

qsizetype offsetIn(QStringView text, QStringView token)
{
    return token.data() - text.data();
}

} // namespace verbalink::skypetext
