#include "audio/MusicDecoder.h"

#include "LoopbackWait.h"
#include "audio/AudioFileReader.h"
#include "audio/WavRecordingFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <chrono>
#include <fcntl.h>
#include <future>
#include <gtest/gtest.h>
#include <ostream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace verbalink;
using namespace std::chrono_literals;

namespace {

// 1.5 s of a 440 Hz sine at 44.1 kHz stereo, written by the ffmpeg tool in the given format.
QString makeSine(const QTemporaryDir& dir, const QString& name, const QStringList& codec)
{
    const QString path = dir.filePath(name);
    QStringList args{
        QStringLiteral("-v"),  QStringLiteral("error"),
        QStringLiteral("-f"),  QStringLiteral("lavfi"),
        QStringLiteral("-i"),  QStringLiteral("sine=frequency=440:sample_rate=44100:duration=1.5"),
        QStringLiteral("-ac"), QStringLiteral("2")};
    args << codec << path;
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), args);
    if (!ffmpeg.waitForFinished(30000) || ffmpeg.exitCode() != 0)
        return {};
    return path;
}

QByteArray decodeWhole(const QString& path)
{
    AudioFileReader reader;
    if (!reader.open(path))
        return {};
    QByteArray all;
    for (QByteArray piece = reader.read(); !piece.isEmpty(); piece = reader.read())
        all += piece;
    return all;
}

int signChanges(const QByteArray& pcm)
{
    const auto* samples = reinterpret_cast<const qint16*>(pcm.constData());
    int changes = 0;
    for (qsizetype i = 1; i < pcm.size() / 2; ++i)
        changes += (samples[i - 1] < 0) != (samples[i] < 0);
    return changes;
}

// Takes count bytes once the decoder holds them; empty after a few seconds without.
QByteArray takeWhenHeld(MusicDecoder& decoder, qsizetype count)
{
    QByteArray out(count, '\0');
    for (int i = 0; i < 5000; ++i) {
        if (decoder.take(out.data(), count))
            return out;
        std::this_thread::sleep_for(1ms);
    }
    return {};
}

int threadCount()
{
    return int(QDir(QStringLiteral("/proc/self/task"))
                   .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
                   .size());
}

struct Format {
    const char* name;
    QStringList codec;
    qsizetype frameBytes; // one codec frame, as 16 kHz mono bytes
};

void PrintTo(const Format& format, std::ostream* out)
{
    *out << format.name;
}

class MusicDecoderFormats : public testing::TestWithParam<Format> {};

} // namespace

TEST_P(MusicDecoderFormats, DecodesToSixteenKilohertzMonoAndLoops)
{
    QTemporaryDir dir;
    const Format format = GetParam();
    const QString path = makeSine(dir, QString::fromLatin1(format.name), format.codec);
    ASSERT_FALSE(path.isEmpty()) << "ffmpeg could not write " << format.name;

    const QByteArray pass = decodeWhole(path);
    EXPECT_NEAR(double(pass.size()), 48000.0, double(format.frameBytes));
    // 440 Hz over 1.5 s crosses zero 1320 times; a wrong rate or interleaving would not.
    EXPECT_NEAR(signChanges(pass), 1320, 10);

    MusicDecoder decoder;
    decoder.start(path);
    QByteArray taken;
    while (taken.size() < pass.size()) {
        const QByteArray block = takeWhenHeld(decoder, 640);
        ASSERT_FALSE(block.isEmpty())
            << "music stopped after " << taken.size() << " bytes " << decoder.error().toStdString();
        taken += block;
    }
    // Nothing is dropped while the engine keeps up, and the second pass starts like the first.
    EXPECT_EQ(taken.first(pass.size()), pass);
    const QByteArray again = taken.sliced(pass.size()) + takeWhenHeld(decoder, 3200);
    EXPECT_EQ(again.first(3200), pass.first(3200));
}

INSTANTIATE_TEST_SUITE_P(
    Files, MusicDecoderFormats,
    testing::Values(Format{"sine.mp3", {QStringLiteral("-c:a"), QStringLiteral("libmp3lame")}, 836},
                    Format{"sine.ogg", {QStringLiteral("-c:a"), QStringLiteral("libvorbis")}, 1486},
                    Format{"sine.wav", {QStringLiteral("-c:a"), QStringLiteral("pcm_s16le")}, 2}),
    [](const auto& info) {
        return QString::fromLatin1(info.param.name).remove(QLatin1Char('.')).toStdString();
    });

TEST(MusicDecoder, HoldsOneSecondAndKeepsBytesATakeCannotCover)
{
    QTemporaryDir dir;
    const QString path = makeSine(dir, QStringLiteral("sine.wav"), {});
    ASSERT_FALSE(path.isEmpty());
    QByteArray loop = decodeWhole(path);
    loop += loop;

    MusicDecoder decoder;
    decoder.start(path);
    for (int i = 0; i < 5000 && decoder.held() < MusicDecoder::Capacity; ++i)
        std::this_thread::sleep_for(1ms);
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(decoder.held(), MusicDecoder::Capacity);
    decoder.stop();

    QByteArray head(MusicDecoder::Capacity - 600, '\0');
    ASSERT_TRUE(decoder.take(head.data(), head.size()));
    EXPECT_EQ(head, loop.first(head.size()));
    QByteArray rest(640, 'x');
    EXPECT_FALSE(decoder.take(rest.data(), 640));
    EXPECT_EQ(rest, QByteArray(640, 'x'));
    EXPECT_EQ(decoder.held(), 600);
    ASSERT_TRUE(decoder.take(rest.data(), 600));
    EXPECT_EQ(rest.first(600), loop.sliced(head.size(), 600));
}

TEST(MusicDecoder, StartingAgainBeginsTheFileAnew)
{
    QTemporaryDir dir;
    const QString path = makeSine(dir, QStringLiteral("sine.ogg"), {});
    ASSERT_FALSE(path.isEmpty());
    const QByteArray pass = decodeWhole(path);

    MusicDecoder decoder;
    decoder.start(path);
    ASSERT_FALSE(takeWhenHeld(decoder, 9600).isEmpty());
    decoder.start(path);
    EXPECT_EQ(takeWhenHeld(decoder, 3200), pass.first(3200));
}

TEST(MusicDecoder, RefusesFilesThatAreNotAudioWithoutLeavingAThread)
{
    QTemporaryDir dir;
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    };
    QByteArray noise(4096, '\0');
    for (qsizetype i = 0; i < noise.size(); ++i)
        noise[i] = char((i * 7919) % 251);
    // Audio reached through another protocol than a plain file is refused too.
    const QString wav = makeSine(dir, QStringLiteral("sine.wav"), {});
    ASSERT_FALSE(wav.isEmpty());
    const QStringList paths{dir.filePath(QStringLiteral("missing.mp3")),
                            QStringLiteral("concat:%1|%1").arg(wav),
                            write(QStringLiteral("empty.mp3"), {}),
                            write(QStringLiteral("notes.txt"), "Remember to buy milk.\n"),
                            write(QStringLiteral("noise.ogg"), noise),
                            dir.path()};

    const int before = threadCount();
    {
        MusicDecoder decoder;
        for (const QString& path : paths) {
            decoder.start(path);
            EXPECT_TRUE(test::eventually([&] { return !decoder.isRunning(); }))
                << path.toStdString();
            EXPECT_FALSE(decoder.error().isEmpty());
            char byte = 0;
            EXPECT_FALSE(decoder.take(&byte, 1));
        }
        // One thread, whatever was asked of it.
        EXPECT_EQ(threadCount(), before + 1);
    }
    EXPECT_EQ(threadCount(), before);
}

TEST(MusicDecoder, AFileThatKeepsItsReaderWaitingHoldsUpNeitherStartNorStop)
{
    // A named pipe: opening it waits for a writer, reading it waits while the writer is silent.
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("music.wav"));
    const QByteArray name = QFile::encodeName(pipe);
    ASSERT_EQ(::mkfifo(name.constData(), 0600), 0);
    // Longer than FFmpeg reads ahead while it opens a file, so the decoder gets through it.
    QByteArray pcm;
    for (int i = 0; i < 6 * 16000; ++i) {
        const auto sample = qint16(i * 7);
        pcm.append(reinterpret_cast<const char*>(&sample), 2);
    }
    const QByteArray file = WavRecordingFile::header(1, quint32(pcm.size())) + pcm;

    MusicDecoder decoder;
    auto started = std::async(std::launch::async, [&] { decoder.start(pipe); });
    EXPECT_EQ(started.wait_for(5s), std::future_status::ready) << "start waited for the file";
    QFile writer(pipe);
    ASSERT_TRUE(writer.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    auto written = std::async(std::launch::async, [&] { return writer.write(file); });
    started.wait();
    QByteArray taken;
    for (QByteArray block = takeWhenHeld(decoder, 640); !block.isEmpty();
         block = taken.size() < pcm.size() ? takeWhenHeld(decoder, 640) : QByteArray())
        taken += block;
    EXPECT_TRUE(taken == pcm) << taken.size();
    EXPECT_EQ(written.get(), file.size());
    // The writer stays: the decoder waits in a read for more of the file.
    auto stopped = std::async(std::launch::async, [&] { decoder.stop(); });
    EXPECT_EQ(stopped.wait_for(5s), std::future_status::ready) << "stop waited for the file";
    EXPECT_FALSE(decoder.isRunning());
    writer.close();
    // Should stop have waited, the decoder opens the file again: writers that come and go end
    // that open, so the failing run ends too.
    while (stopped.wait_for(10ms) != std::future_status::ready) {
        if (const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK); fd >= 0)
            ::close(fd);
    }
}
