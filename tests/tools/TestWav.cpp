#include "TestWav.h"

#include <QtEndian>

namespace verbalink::testing {

namespace {

QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray le16(quint16 value)
{
    QByteArray bytes(2, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray chunk(const QByteArray& id, const QByteArray& body)
{
    QByteArray bytes = id + le32(quint32(body.size())) + body;
    if (body.size() % 2)
        bytes += '\0';
    return bytes;
}

} // namespace

QByteArray TestWav::file(const QByteArray& pcm) const
{
    const quint16 blockAlign = quint16(channels * bits / 8);
    const QByteArray fmt = le16(format) + le16(channels) + le32(rate) + le32(rate * blockAlign) +
                           le16(blockAlign) + le16(bits) + fmtExtension;
    QByteArray body = "WAVE" + chunk("fmt ", fmt);
    for (const auto& [id, content] : extraChunks)
        body += chunk(id, content);
    body += chunk("data", pcm);
    return "RIFF" + le32(quint32(body.size())) + body;
}

QByteArray TestWav::rampPcm(int samples, int seed)
{
    QByteArray pcm(samples * 2, '\0');
    for (int i = 0; i < samples; ++i)
        qToLittleEndian(qint16((i * 37 + seed * 1001) % 65536 - 32768), pcm.data() + 2 * i);
    return pcm;
}

} // namespace verbalink::testing
