#pragma once

#include <QByteArrayView>
#include <QString>

namespace verbalink::fuzz {

// Passes one received body through the incoming entry and, when it carries the encrypted-message
// marker, through Base64 and decryption: an encrypted body never reaches the incoming
// translation, deciphering any text ends safely within its size, and the same text enciphered
// by the sender's copy (marker anywhere, anything after the Base64) comes back exactly.
// Input: a length byte, the sender's handle, then the body as the client sent it.
QString driveEncryptedBody(QByteArrayView input);

} // namespace verbalink::fuzz
