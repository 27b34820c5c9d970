#pragma once

#include <QFile>
#include <QString>

namespace verbalink {

// A 16 kHz 16-bit PCM WAV file written as audio arrives: the header goes out first with
// placeholder sizes, which finish() replaces by the real ones. Only its user may read it.
class WavRecordingFile {
public:
    static constexpr int SampleRate = 16000;
    static constexpr qsizetype HeaderBytes = 44;

    // Creates (or truncates) the file; false when it cannot be written.
    bool open(const QString& path, int channels);
    bool isOpen() const { return m_file.isOpen(); }
    bool append(const char* data, qsizetype size);
    // Patches both sizes and closes the file; false when either write failed.
    bool finish();
    quint32 dataBytes() const { return m_dataBytes; }
    QString path() const { return m_file.fileName(); }

    // The 44 header bytes for that many sample bytes.
    static QByteArray header(int channels, quint32 dataBytes);

private:
    QFile m_file;
    quint32 m_dataBytes = 0;
    bool m_failed = false;
};

} // namespace verbalink
