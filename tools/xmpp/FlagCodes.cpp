#include "FlagCodes.h"

#include <QLatin1StringView>

using namespace Qt::StringLiterals;

namespace verbalink::xmpp {

namespace {

constexpr char32_t RegionalIndicatorA = 0x1F1E6;

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

QString indicator(QChar letter)
{
    const char32_t code = RegionalIndicatorA + char32_t(letter.toLower().unicode() - u'a');
    return QString::fromUcs4(&code, 1);
}

} // namespace

QString FlagCodes::toUnicode(const QString& text)
{
    static constexpr QLatin1StringView open("(flag:");
    constexpr qsizetype codeLength = 9; // "(flag:xx)"
    QString result;
    qsizetype from = 0;
    qsizetype at = text.indexOf(open, 0, Qt::CaseInsensitive);
    while (at >= 0 && at + codeLength <= text.size()) {
        const QChar first = text.at(at + 6);
        const QChar second = text.at(at + 7);
        if (isAsciiLetter(first) && isAsciiLetter(second) && text.at(at + 8) == u')') {
            result += QStringView(text).sliced(from, at - from);
            result += indicator(first) + indicator(second);
            from = at + codeLength;
        }
        at = text.indexOf(open, std::max(at + 1, from), Qt::CaseInsensitive);
    }
    result += QStringView(text).sliced(from);
    return result;
}

} // namespace verbalink::xmpp
