#include "SimWavFile.h"

#include <QFile>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace verbalink::sim {

namespace {

quint32 le32(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 le16(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

QString checkFormat(const QByteArray& fmt)
{
    if (fmt.size() < 16)
        return u"the fmt chunk is too short"_s;
    // The extensible form names its format in the first two bytes of the sub-format.
    const bool extensiblePcm = le16(fmt, 0) == 0xFFFE && fmt.size() >= 26 && le16(fmt, 24) == 1;
    if (le16(fmt, 0) != 1 && !extensiblePcm)
        return u"not PCM"_s;
    if (le16(fmt, 2) != 1)
        return u"not mono"_s;
    if (le32(fmt, 4) != quint32(SimWavFile::SampleRate))
        return u"not 16000 samples/s"_s;
    if (le16(fmt, 14) != 16)
        return u"not 16-bit"_s;
    return {};
}

} // namespace

std::optional<QByteArray> SimWavFile::readPcm(const QString& path, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = path + u": "_s + file.errorString();
        return std::nullopt;
    }
    // Read with a limit: a device or a pipe has no size to check beforehand.
    const QByteArray bytes = file.read(MaxFileBytes + 1);
    if (bytes.size() > MaxFileBytes) {
        error = path + u": larger than 64 MiB"_s;
        return std::nullopt;
    }
    std::optional<QByteArray> pcm = pcmOf(bytes, error);
    if (!pcm)
        error = path + u": "_s + error;
    return pcm;
}

std::optional<QByteArray> SimWavFile::pcmOf(const QByteArray& file, QString& error)
{
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE") {
        error = u"not a RIFF WAVE file"_s;
        return std::nullopt;
    }
    std::optional<QByteArray> fmt;
    std::optional<QByteArray> data;
    qsizetype at = 12;
    while (at + 8 <= file.size() && !data) {
        const QByteArray id = file.mid(at, 4);
        const qint64 size = le32(file, at + 4);
        // A writer that never went back to fix the size leaves the data running to the end.
        const QByteArray body = file.mid(at + 8, qsizetype(std::min<qint64>(size, file.size())));
        if (id == "fmt ")
            fmt = body;
        else if (id == "data")
            data = body;
        // Chunks of odd size are followed by a pad byte.
        at += 8 + size + (size & 1);
    }
    if (!fmt || !data) {
        error = fmt ? u"no data chunk"_s : u"no fmt chunk before the data"_s;
        return std::nullopt;
    }
    error = checkFormat(*fmt);
    if (!error.isEmpty())
        return std::nullopt;
    // Half a sample is no sample.
    data->truncate(data->size() & ~qsizetype(1));
    return data;
}

} // namespace verbalink::sim
