#pragma once

#include <QByteArray>

namespace verbalink {

// Enciphers an outgoing body with the user's own key.
class MessageCipher {
public:
    virtual ~MessageCipher() = default;
    // The cipher text (ASCII) of UTF-8 plain text; empty when enciphering failed.
    virtual QByteArray encrypt(const QByteArray& plainUtf8) = 0;
};

} // namespace verbalink
