#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

namespace verbalink {

// The RC4 key both peers derive from the sender's handle: the MD5 digest of the handle's low
// bytes written twice, as the Windows peers' MD5-derived 128-bit RC4 key is.
class MessageKey {
public:
    static constexpr qsizetype Size = 16;

    // An invalid key: every use gives an empty result.
    MessageKey() = default;
    // A key of exactly 16 raw bytes; any other length gives an invalid key.
    explicit MessageKey(QByteArrayView raw);

    static MessageKey fromHandle(QStringView handle);

    bool isValid() const { return !m_key.isEmpty(); }
    QByteArray bytes() const { return m_key; }

    // RC4 from a fresh key state each time, so every message starts the same key stream as
    // the peer's final-block call does. Enciphering and deciphering are the same operation.
    QByteArray apply(QByteArrayView data) const;

private:
    QByteArray m_key;
};

} // namespace verbalink
