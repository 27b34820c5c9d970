#include "platform/HexDigits.h"

namespace verbalink {

namespace {

int hexValue(char16_t u)
{
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

} // namespace

int hexDigitsValue(QStringView digits)
{
    if (digits.isEmpty())
        return -1;
    int value = 0;
    for (QChar digit : digits) {
        const int v = hexValue(digit.unicode());
        if (v < 0)
            return -1;
        value = value * 16 + v;
    }
    return value;
}

} // namespace verbalink
