#pragma once

#include "extras/MessageKey.h"
#include "skype/MessageCipher.h"

#include <QString>
#include <mutex>

namespace verbalink {

// Enciphers outgoing bodies with the key of the user's own handle, which the link reports
// (CURRENTUSERHANDLE) on the main thread while the worker enciphers.
class HandleCipher final : public MessageCipher {
public:
    // `handleUtf8` as the link reports it; an empty handle leaves no key.
    void setOwnHandle(const QByteArray& handleUtf8);
    bool hasKey() const;

    // Base64 of the RC4 cipher text of the UTF-8 bytes; empty without a key or for empty text.
    QByteArray encrypt(const QByteArray& plainUtf8) override;

    // The whole pipeline on the receiving side: the Base64 prefix of `cipherText` deciphered
    // with `senderHandle`'s key, up to the first zero byte, as UTF-16.
    static QString decrypt(QStringView cipherText, QStringView senderHandle);

private:
    mutable std::mutex m_mutex;
    MessageKey m_key;
};

} // namespace verbalink
