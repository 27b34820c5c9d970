#include "translate/text/TextEscapes.h"

#include "platform/HexDigits.h"
#include "translate/text/TextEdits.h"

namespace verbalink {

namespace {

// A reference "&#...;" spans at most 9 characters, so its ";" lies within [from, from + 7).
qsizetype referenceEnd(const QChar* chars, qsizetype from, qsizetype size)
{
    const qsizetype last = std::min(size, from + 7);
    for (qsizetype i = from; i < last; ++i) {
        if (chars[i] == u';')
            return i;
    }
    return -1;
}

char32_t leadingDecimal(const QChar* begin, const QChar* end)
{
    char32_t value = 0;
    for (const QChar* c = begin; c != end && c->unicode() >= u'0' && c->unicode() <= u'9'; ++c)
        value = value * 10 + (c->unicode() - u'0');
    return value;
}

// The value of the four hex digits at `chars`, or -1 when one of them is not a hex digit.
int fourHexDigits(const QChar* chars)
{
    return hexDigitsValue(QStringView(chars, 4));
}

} // namespace

void decodeNumericReferences(QString& text)
{
    if (!text.contains(u"&#"))
        return;
    // The text is read as `decoded` followed by input[i..]. A decoded character is written
    // back into the input over the reference's tail, so the scan resumes at it exactly as a
    // search restarted at the reference's position would, without moving the rest.
    QString input = text;
    QChar* chars = input.data();
    const qsizetype size = input.size();
    QString decoded;
    decoded.reserve(size);
    qsizetype i = 0;
    while (i < size) {
        const bool opens = chars[i] == u'&' && i + 1 < size && chars[i + 1] == u'#';
        const qsizetype end = opens ? referenceEnd(chars, i + 2, size) : -1;
        if (end < 0) {
            decoded.append(chars[i++]);
            continue;
        }
        const char32_t value = leadingDecimal(chars + i + 2, chars + end);
        if (value == 0) {
            i = end + 1;
        } else if (QChar::requiresSurrogates(value)) {
            // Five or more digits, so the reference has room for both halves.
            chars[end - 1] = QChar(QChar::highSurrogate(value));
            chars[end] = QChar(QChar::lowSurrogate(value));
            i = end - 1;
        } else {
            chars[end] = QChar(static_cast<char16_t>(value));
            i = end;
        }
    }
    text = decoded;
}

void unescapeJsonText(QString& text)
{
    // Order matters: "\u0026amp;" becomes "&amp;" in the fourth step, then "&" in the last.
    replaceAll(text, u"\\u0026lt;", u"<");
    replaceAll(text, u"\\u0026gt;", u">");
    replaceAll(text, u"\\u0026quot;", u"\"");
    replaceAll(text, u"\\u0026", u"&");
    replaceAll(text, u"\\u003d", u"=");
    replaceAll(text, u"&amp;", u"&");
}

void decodeUnicodeEscapes(QString& text)
{
    if (!text.contains(u"\\u"))
        return;
    const QChar* chars = text.constData();
    const qsizetype size = text.size();
    QString decoded;
    decoded.reserve(size);
    qsizetype i = 0;
    while (i < size) {
        const bool opens = chars[i] == u'\\' && i + 5 < size && chars[i + 1] == u'u';
        const int value = opens ? fourHexDigits(chars + i + 2) : -1;
        if (value < 0) {
            decoded.append(chars[i++]);
            continue;
        }
        if (value != 0)
            decoded.append(QChar(static_cast<char16_t>(value)));
        i += 6;
    }
    text = decoded;
}

} // namespace verbalink
