#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

namespace verbalink {

// Reads an audio file with FFmpeg as 16 kHz mono signed 16-bit little-endian PCM, a decoded
// frame at a time. Not thread-safe: one thread opens and reads it.
class AudioFileReader {
public:
    static constexpr int SampleRate = 16000;

    AudioFileReader();
    ~AudioFileReader();
    AudioFileReader(const AudioFileReader&) = delete;
    AudioFileReader& operator=(const AudioFileReader&) = delete;

    // False with error() set when the file cannot be opened or holds no decodable audio stream.
    bool open(const QString& path);
    void close();
    bool isOpen() const;
    QString error() const { return m_error; }

    // The next piece of PCM; empty once the file is exhausted (the resampler's tail included).
    QByteArray read();

private:
    struct State;

    bool fail(const QString& what, int code);
    bool openCodec();
    bool openResampler();
    QByteArray convertFrame();
    QByteArray drainResampler();

    std::unique_ptr<State> m_state;
    QString m_error;
};

} // namespace verbalink
