#pragma once

#include <QByteArray>
#include <QList>

namespace verbalink::testing {

// WAV files written byte by byte, so the reader is checked against headers it did not make.
struct TestWav {
    quint16 format = 1;
    quint16 channels = 1;
    quint32 rate = 16000;
    quint16 bits = 16;
    // Appended to the 16 bytes of the fmt chunk (size field included), for the extensible form.
    QByteArray fmtExtension;
    // Chunks (id and body) placed between fmt and data, as editors add them.
    QList<QPair<QByteArray, QByteArray>> extraChunks;

    QByteArray file(const QByteArray& pcm) const;
    // Samples that differ from one to the next, so a lost or repeated chunk shows.
    static QByteArray rampPcm(int samples, int seed);
};

} // namespace verbalink::testing
