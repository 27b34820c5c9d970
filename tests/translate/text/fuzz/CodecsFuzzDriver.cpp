#include "CodecsFuzzDriver.h"

#include "translate/text/TextCodecs.h"

#include <QStringDecoder>
#include <iterator>
#include <optional>

namespace verbalink::fuzz {

namespace {

// Inputs up to this size are also checked against the literal, slow rules.
constexpr qsizetype smallInput = 96;

QString fail(const char* what)
{
    return QString::fromLatin1(what);
}

// Every pair of bytes as one UTF-16 unit: lone surrogates and NULs included.
QString asUtf16Units(QByteArrayView bytes)
{
    QString text;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        const auto unit = static_cast<char16_t>((static_cast<unsigned char>(bytes[i]) << 8) |
                                                static_cast<unsigned char>(bytes[i + 1]));
        text.append(QChar(unit));
    }
    return text;
}

// The restart rule read literally; nullopt after `maxSteps` replacements.
std::optional<QString> literalReplaceAll(QString text, const QString& pattern,
                                         const QString& replacement, int maxSteps)
{
    for (int step = 0;; ++step) {
        const qsizetype at = text.indexOf(pattern);
        if (at < 0)
            return text;
        if (step == maxSteps)
            return std::nullopt;
        text.replace(at, pattern.size(), replacement);
    }
}

// Numeric references read literally: search, replace in place, resume at the same position.
QString literalNumericReferences(QString text)
{
    qsizetype p = 0;
    while ((p = text.indexOf(u"&#", p)) >= 0) {
        const qsizetype semi = text.indexOf(u';', p);
        if (semi < 0 || semi - p + 1 > 9) {
            p += 2;
            continue;
        }
        char32_t value = 0;
        for (qsizetype i = p + 2; i < semi && text[i].isDigit() && text[i].unicode() < 128; ++i)
            value = value * 10 + (text[i].unicode() - u'0');
        QString decoded;
        if (value > 0xFFFF)
            decoded = QString::fromUcs4(&value, 1);
        else if (value != 0)
            decoded = QChar(static_cast<char16_t>(value));
        text.replace(p, semi - p + 1, decoded);
    }
    return text;
}

QString checkUtf(QByteArrayView bytes, const QString& units, qsizetype capacity)
{
    const qsizetype nul = units.indexOf(QChar(u'\0'));
    const QByteArray full = (nul < 0 ? units : units.first(nul)).toUtf8();
    const std::optional<QByteArray> utf8 = utf16ToUtf8(units, capacity);
    if (utf8.has_value() != (full.size() + 1 <= capacity))
        return fail("utf16ToUtf8 fit decision");
    if (utf8 && *utf8 != full)
        return fail("utf16ToUtf8 content");

    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                       QStringConverter::Flag::ConvertInitialBom);
    const QString decoded = decoder.decode(bytes);
    const std::optional<QString> utf16 = utf8ToUtf16(bytes, capacity);
    if (utf16.has_value() != (decoded.size() <= capacity) || (utf16 && *utf16 != decoded))
        return fail("utf8ToUtf16 capacity or content");

    const QByteArray ansi = toAnsi(units, capacity);
    if (ansi.size() > capacity || !full.startsWith(ansi))
        return fail("toAnsi limit or prefix");
    if (ansi.size() < full.size() && (static_cast<unsigned char>(full[ansi.size()]) & 0xC0) == 0x80)
        return fail("toAnsi split a sequence");
    const QString back = fromAnsi(bytes, capacity);
    if (back.size() > capacity || (!back.isEmpty() && back.back().isHighSurrogate()))
        return fail("fromAnsi limit");
    return {};
}

QString checkWire(QByteArrayView bytes)
{
    const QByteArray encoded = urlEncode(bytes);
    for (const char c : encoded) {
        const bool allowed = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                             (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.' ||
                             c == '~' || c == '%';
        if (!allowed)
            return fail("urlEncode emitted a reserved byte");
    }
    const qsizetype nul = bytes.indexOf('\0');
    if (QByteArray::fromPercentEncoding(encoded) != (nul < 0 ? bytes : bytes.first(nul)))
        return fail("urlEncode round trip");
    if (base64Decode(base64Encode(bytes)) != bytes)
        return fail("base64 round trip");
    if (base64Decode(bytes).size() > bytes.size())
        return fail("base64Decode grew");
    return {};
}

QString checkEdits(const QString& text, const QString& pattern, const QString& replacement)
{
    QString trimmed = text;
    trimSpaces(trimmed);
    if (trimmed.startsWith(u' ') || trimmed.endsWith(u' ') || !text.contains(trimmed))
        return fail("trimSpaces");
    QString replaced = text;
    replaceAll(replaced, pattern, replacement);
    if (pattern.isEmpty())
        return replaced == text ? QString() : fail("replaceAll with an empty pattern");
    const bool shrinks = replacement.size() < pattern.size();
    if (shrinks && replaced.contains(pattern))
        return fail("replaceAll left the pattern");
    if (text.size() <= smallInput) {
        // A shrinking rewrite must match the rule exactly; another one must at least when
        // the rule itself ends within a few steps.
        const std::optional<QString> literal =
            literalReplaceAll(text, pattern, replacement, shrinks ? 1 << 20 : 3);
        if (literal && *literal != replaced)
            return fail("replaceAll differs from the restart rule");
    }
    return {};
}

QString checkEscapes(const QString& text)
{
    QString numeric = text;
    decodeNumericReferences(numeric);
    if (numeric.size() > text.size())
        return fail("decodeNumericReferences grew");
    if (text.size() <= smallInput && numeric != literalNumericReferences(text))
        return fail("decodeNumericReferences differs from the rule");
    QString escapes = text;
    decodeUnicodeEscapes(escapes);
    if (escapes.size() > text.size())
        return fail("decodeUnicodeEscapes grew");
    QString json = text;
    unescapeJsonText(json);
    if (json.size() > text.size())
        return fail("unescapeJsonText grew");
    return {};
}

QString checkMarkers(const QString& text, const QString& start, const QString& end)
{
    for (const MissingEnd rule : {MissingEnd::Fail, MissingEnd::RunToEnd}) {
        const std::optional<MarkedSpan> span = findMarkedSpan(text, start, end, rule);
        if (!span)
            continue;
        if (span->begin <= 0 || span->begin > span->end || span->end > text.size())
            return fail("marker span out of the text");
        if (span->endFound && !text.sliced(span->end).startsWith(end))
            return fail("marker end not at its marker");
    }
    return {};
}

QString checkCodePages(QByteArrayView bytes, const QString& units, qsizetype capacity,
                       unsigned selector)
{
    // One code page per input keeps each run cheap; the selector spreads them.
    static constexpr int numbers[] = {28591, 20866, 1251, 865, 65001, 57002};
    const CodePage page(numbers[selector % std::size(numbers)]);
    const std::optional<QByteArray> encoded = page.encode(units, capacity);
    if (encoded && encoded->size() >= capacity)
        return fail("CodePage::encode over capacity");
    const std::optional<QString> decoded = page.decode(bytes, capacity);
    if (decoded && decoded->size() > capacity)
        return fail("CodePage::decode over capacity");
    if (page.number() != 28591 && page.number() != 20866)
        return {};
    // Every byte is a character in Latin-1 and KOI8-R, so both round-trip any bytes.
    const std::optional<QString> all = page.decode(bytes, bytes.size());
    if (!all || all->size() != bytes.size())
        return fail("8-bit decode lost bytes");
    if (page.encode(*all, bytes.size() + 1) != bytes.toByteArray())
        return fail("8-bit round trip");
    return {};
}

} // namespace

QString driveCodecs(QByteArrayView input)
{
    if (input.isEmpty())
        return {};
    const auto selector = static_cast<unsigned char>(input[0]);
    const QByteArrayView bytes = input.sliced(1);
    const qsizetype capacity = selector;
    const QString units = asUtf16Units(bytes);
    const QString latin = QString::fromLatin1(bytes);
    const QString pattern = latin.first(std::min<qsizetype>(latin.size(), (selector & 3) + 1));
    const QString replacement = latin.mid(1, (selector >> 2) & 7);

    for (const QString& result :
         {checkUtf(bytes, units, capacity), checkWire(bytes),
          checkEdits(latin, pattern, replacement), checkEdits(units, pattern, replacement),
          checkEscapes(latin), checkEscapes(QString::fromUtf8(bytes)),
          checkMarkers(latin, pattern, replacement),
          checkCodePages(bytes, units, capacity, selector)}) {
        if (!result.isEmpty())
            return result;
    }
    return {};
}

} // namespace verbalink::fuzz
