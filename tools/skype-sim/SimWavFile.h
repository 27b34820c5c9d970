#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace verbalink::sim {

// Reads the samples of the WAV files a call streams: 16-bit mono 16 kHz PCM only, found by
// walking the RIFF chunks.
class SimWavFile {
public:
    static constexpr int SampleRate = 16000;
    // Half an hour of call audio; anything larger is refused rather than held in memory.
    static constexpr qint64 MaxFileBytes = qint64(64) * 1024 * 1024;

    // The raw little-endian samples; nothing, and the error says why, for anything else.
    static std::optional<QByteArray> readPcm(const QString& path, QString& error);
    static std::optional<QByteArray> pcmOf(const QByteArray& file, QString& error);
};

} // namespace verbalink::sim
