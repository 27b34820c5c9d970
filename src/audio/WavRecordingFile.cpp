#include "audio/WavRecordingFile.h"

#include <QtEndian>

namespace verbalink {

namespace {

// While recording both sizes read 36, as if the file held no samples yet.
constexpr quint32 PlaceholderSize = 36;

void putNumber(QByteArray& header, qsizetype at, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        header[at + i] = char((value >> (8 * i)) & 0xff);
}

} // namespace

QByteArray WavRecordingFile::header(int channels, quint32 dataBytes)
{
    QByteArray header("RIFF....WAVEfmt ....................data....");
    putNumber(header, 4, dataBytes + 36, 4);
    putNumber(header, 16, 16, 4);
    putNumber(header, 20, 1, 2);
    putNumber(header, 22, quint32(channels), 2);
    putNumber(header, 24, SampleRate, 4);
    putNumber(header, 28, quint32(channels) * SampleRate * 2, 4);
    putNumber(header, 32, quint32(channels) * 2, 2);
    putNumber(header, 34, 16, 2);
    putNumber(header, 40, dataBytes, 4);
    return header;
}

bool WavRecordingFile::open(const QString& path, int channels)
{
    m_file.close();
    m_file.setFileName(path);
    m_dataBytes = 0;
    m_failed = false;
    // Unbuffered: what was recorded is on disk, whatever becomes of the program. The call is
    // the user's alone, also in a file that was there before.
    constexpr QFile::Permissions OwnerOnly = QFile::ReadOwner | QFile::WriteOwner;
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered,
                     OwnerOnly) ||
        !m_file.setPermissions(OwnerOnly)) {
        m_file.close();
        return false;
    }
    QByteArray placeholder = header(channels, 0);
    putNumber(placeholder, 4, PlaceholderSize, 4);
    putNumber(placeholder, 40, PlaceholderSize, 4);
    if (m_file.write(placeholder) != placeholder.size()) {
        m_file.close();
        return false;
    }
    return true;
}

bool WavRecordingFile::append(const char* data, qsizetype size)
{
    if (!m_file.isOpen())
        return false;
    const qint64 written = m_file.write(data, size);
    if (written > 0)
        m_dataBytes += quint32(written);
    if (written != size)
        m_failed = true;
    return written == size;
}

bool WavRecordingFile::finish()
{
    if (!m_file.isOpen())
        return false;
    QByteArray sizes(4, '\0');
    bool ok = m_file.flush();
    putNumber(sizes, 0, m_dataBytes + 36, 4);
    ok = m_file.seek(4) && m_file.write(sizes) == 4 && ok;
    putNumber(sizes, 0, m_dataBytes, 4);
    ok = m_file.seek(40) && m_file.write(sizes) == 4 && ok;
    m_file.close();
    return ok && !m_failed && m_file.error() == QFileDevice::NoError;
}

} // namespace verbalink
