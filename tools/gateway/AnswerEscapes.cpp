#include "gateway/AnswerEscapes.h"

#include <QString>

namespace verbalink::gateway::AnswerEscapes {

namespace {

bool needsEscape(char16_t unit)
{
    return unit < 0x20 || unit == 0x7F || unit == u'&' || unit == u'<' || unit == u'>' ||
           unit == u'"' || unit == u'\\';
}

} // namespace

QByteArray asNumericReferences(QStringView text)
{
    QByteArray out;
    out.reserve(text.size() + 16);
    qsizetype plainFrom = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (!needsEscape(unit))
            continue;
        out += text.sliced(plainFrom, i - plainFrom).toUtf8();
        out += "&#" + QByteArray::number(int(unit)) + ';';
        plainFrom = i + 1;
    }
    out += text.sliced(plainFrom).toUtf8();
    return out;
}

QByteArray asUnicodeEscapes(QStringView text)
{
    QByteArray out;
    out.reserve(text.size() + 16);
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit < 0x80 && !needsEscape(unit)) {
            out += char(unit);
            continue;
        }
        out += "\\u" + QByteArray::number(int(unit), 16).rightJustified(4, '0');
    }
    return out;
}

} // namespace verbalink::gateway::AnswerEscapes
