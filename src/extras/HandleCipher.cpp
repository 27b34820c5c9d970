#include "extras/HandleCipher.h"

#include "translate/text/Base64.h"

namespace verbalink {

void HandleCipher::setOwnHandle(const QByteArray& handleUtf8)
{
    const QString handle = QString::fromUtf8(handleUtf8);
    const MessageKey key = handle.isEmpty() ? MessageKey() : MessageKey::fromHandle(handle);
    std::lock_guard lock(m_mutex);
    m_key = key;
}

bool HandleCipher::hasKey() const
{
    std::lock_guard lock(m_mutex);
    return m_key.isValid();
}

QByteArray HandleCipher::encrypt(const QByteArray& plainUtf8)
{
    MessageKey key;
    {
        std::lock_guard lock(m_mutex);
        key = m_key;
    }
    // Only the text's own bytes are enciphered; the peers' zero padding never reaches the wire.
    return base64Encode(key.apply(plainUtf8));
}

QString HandleCipher::decrypt(QStringView cipherText, QStringView senderHandle)
{
    // Anything outside Latin-1 is no Base64 anyway; narrowing just ends the data there.
    const QByteArray narrow = cipherText.toLatin1();
    const QByteArray plain = MessageKey::fromHandle(senderHandle).apply(base64Decode(narrow));
    const qsizetype end = plain.indexOf('\0');
    return QString::fromUtf8(end < 0 ? plain : plain.left(end));
}

} // namespace verbalink
