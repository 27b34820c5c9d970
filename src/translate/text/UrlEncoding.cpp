#include "translate/text/UrlEncoding.h"

namespace verbalink {

namespace {

bool isUnreserved(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || c == '.' || c == '~';
}

} // namespace

QByteArray urlEncode(QByteArrayView bytes)
{
    static constexpr char hexDigits[] = "0123456789ABCDEF";
    QByteArray encoded;
    encoded.reserve(bytes.size() * 3);
    for (const char c : bytes) {
        if (c == '\0')
            break;
        if (isUnreserved(c)) {
            encoded.append(c);
            continue;
        }
        const auto byte = static_cast<unsigned char>(c);
        encoded.append('%');
        encoded.append(hexDigits[byte >> 4]);
        encoded.append(hexDigits[byte & 0x0F]);
    }
    return encoded;
}

} // namespace verbalink
