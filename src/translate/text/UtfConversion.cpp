#include "translate/text/UtfConversion.h"

#include <QStringDecoder>
#include <algorithm>

namespace verbalink {

namespace {

QStringView upToNul(QStringView text)
{
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.first(nul);
}

QByteArrayView upToNul(QByteArrayView bytes)
{
    const auto nul = std::find(bytes.begin(), bytes.end(), '\0');
    return bytes.first(nul - bytes.begin());
}

bool isUtf8Continuation(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

} // namespace

std::optional<QByteArray> utf16ToUtf8(QStringView text, qsizetype capacity)
{
    text = upToNul(text);
    // Every unit gives at least one byte, so a longer text cannot fit whatever it holds.
    if (text.size() >= capacity)
        return std::nullopt;
    QByteArray bytes = text.toUtf8();
    if (bytes.size() >= capacity)
        return std::nullopt;
    return bytes;
}

std::optional<QString> utf8ToUtf16(QByteArrayView bytes, qsizetype capacity)
{
    // Stateless and BOM-preserving: exactly the given bytes are converted.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                       QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (text.size() > capacity)
        return std::nullopt;
    return text;
}

QByteArray toAnsi(QStringView text, qsizetype maxBytes)
{
    return utf16ToUtf8Cut(text, maxBytes);
}

QString utf8ToUtf16Cut(QByteArrayView bytes, qsizetype maxUnits)
{
    // No unit comes from less than one byte, so the whole text always fits here.
    QString text = utf8ToUtf16(bytes, bytes.size()).value_or(QString());
    if (text.size() <= maxUnits)
        return text;
    qsizetype cut = std::max<qsizetype>(maxUnits, 0);
    if (cut > 0 && text.at(cut - 1).isHighSurrogate() && text.at(cut).isLowSurrogate())
        --cut;
    text.truncate(cut);
    return text;
}

QByteArray utf16ToUtf8Cut(QStringView text, qsizetype maxBytes)
{
    if (maxBytes <= 0)
        return {};
    text = upToNul(text);
    // One unit beyond the limit is enough to see whether the limit cuts the text; a surrogate
    // pair split there only changes bytes past the cut.
    QByteArray bytes = (maxBytes < text.size() ? text.first(maxBytes + 1) : text).toUtf8();
    if (bytes.size() <= maxBytes)
        return bytes;
    qsizetype cut = maxBytes;
    while (cut > 0 && isUtf8Continuation(bytes.at(cut)))
        --cut;
    bytes.truncate(cut);
    return bytes;
}

QString fromAnsi(QByteArrayView bytes, qsizetype maxChars)
{
    if (maxChars <= 0)
        return {};
    QString text = QString::fromUtf8(upToNul(bytes));
    if (text.size() <= maxChars)
        return text;
    qsizetype cut = maxChars;
    if (text.at(cut - 1).isHighSurrogate() && text.at(cut).isLowSurrogate())
        --cut;
    text.truncate(cut);
    return text;
}

} // namespace verbalink
