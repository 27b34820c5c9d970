#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace verbalink {

// Standard Base64 ("A-Za-z0-9+/"), padded with "=", no line breaks.
QByteArray base64Encode(QByteArrayView bytes);

// Decodes the Base64 prefix of `text`: decoding stops at the first "=" or at the first byte
// outside the alphabet. A final group of 2 or 3 characters gives 1 or 2 bytes; a lone final
// character gives nothing. Never fails: garbage decodes to what precedes it.
QByteArray base64Decode(QByteArrayView text);

} // namespace verbalink
