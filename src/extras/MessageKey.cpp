#include "extras/MessageKey.h"

#include <nettle/arcfour.h>
#include <nettle/md5.h>

namespace verbalink {

MessageKey::MessageKey(QByteArrayView raw)
{
    if (raw.size() == Size)
        m_key = raw.toByteArray();
}

MessageKey MessageKey::fromHandle(QStringView handle)
{
    // Only the low byte of each UTF-16 unit counts, as the peers narrow it.
    QByteArray material;
    material.reserve(handle.size() * 2);
    for (int round = 0; round < 2; ++round) {
        for (const QChar unit : handle)
            material.append(static_cast<char>(unit.unicode() & 0xff));
    }
    md5_ctx md5;
    md5_init(&md5);
    md5_update(&md5, static_cast<size_t>(material.size()),
               reinterpret_cast<const uint8_t*>(material.constData()));
    uint8_t digest[MD5_DIGEST_SIZE];
    md5_digest(&md5, sizeof digest, digest);
    return MessageKey(QByteArrayView(reinterpret_cast<const char*>(digest), sizeof digest));
}

QByteArray MessageKey::apply(QByteArrayView data) const
{
    if (!isValid())
        return {};
    arcfour_ctx rc4;
    arcfour_set_key(&rc4, static_cast<size_t>(m_key.size()),
                    reinterpret_cast<const uint8_t*>(m_key.constData()));
    QByteArray out(data.size(), Qt::Uninitialized);
    arcfour_crypt(&rc4, static_cast<size_t>(data.size()), reinterpret_cast<uint8_t*>(out.data()),
                  reinterpret_cast<const uint8_t*>(data.data()));
    return out;
}

} // namespace verbalink
