#include "translate/text/Base64.h"

namespace verbalink {

namespace {

// The 6-bit value of an alphabet character, or -1 for any other byte.
int sextet(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}

} // namespace

QByteArray base64Encode(QByteArrayView bytes)
{
    return bytes.toByteArray().toBase64();
}

QByteArray base64Decode(QByteArrayView text)
{
    QByteArray decoded;
    decoded.reserve(text.size() / 4 * 3 + 2);
    quint32 bits = 0;
    int count = 0; // characters in the current group
    for (const char c : text) {
        const int value = sextet(c);
        if (value < 0)
            break; // "=" or a foreign byte ends the data
        bits = (bits << 6) | static_cast<quint32>(value);
        if (++count == 4) {
            decoded.append(static_cast<char>(bits >> 16));
            decoded.append(static_cast<char>(bits >> 8));
            decoded.append(static_cast<char>(bits));
            bits = 0;
            count = 0;
        }
    }
    // A partial group of n characters carries n - 1 whole bytes; one character carries none.
    if (count == 2) {
        decoded.append(static_cast<char>(bits >> 4));
    } else if (count == 3) {
        decoded.append(static_cast<char>(bits >> 10));
        decoded.append(static_cast<char>(bits >> 2));
    }
    return decoded;
}

} // namespace verbalink
