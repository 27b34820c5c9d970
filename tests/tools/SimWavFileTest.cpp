#include "SimWavFile.h"

#include "TestWav.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using verbalink::sim::SimWavFile;
using verbalink::testing::TestWav;

TEST(SimWavFileTest, FindsTheSamplesBehindOtherChunks)
{
    const QByteArray pcm = TestWav::rampPcm(1000, 1);
    TestWav odd;
    // An odd-sized chunk is padded; a reader that forgets the pad byte misses the data.
    odd.extraChunks = {{"LIST", "INFOabc"}, {"fact", QByteArray(4, '\x01')}};
    TestWav extensible;
    extensible.format = 0xFFFE;
    // Valid bits, channel mask, then the PCM sub-format's GUID.
    extensible.fmtExtension =
        QByteArray::fromHex("16001000040000000100000000001000800000aa00389b71");
    for (const TestWav& wav : {TestWav{}, odd, extensible}) {
        QString error;
        const std::optional<QByteArray> read = SimWavFile::pcmOf(wav.file(pcm), error);
        ASSERT_TRUE(read) << qPrintable(error);
        EXPECT_EQ(*read, pcm);
    }
}

TEST(SimWavFileTest, ADataSizeLargerThanTheFileKeepsWhatIsThere)
{
    const QByteArray pcm = TestWav::rampPcm(100, 2);
    QByteArray file = TestWav{}.file(pcm);
    // As a recorder that was cut off leaves it, with an odd byte at the end.
    file.replace(file.size() - pcm.size() - 4, 4, QByteArray(4, '\xff'));
    file += 'x';
    QString error;
    const std::optional<QByteArray> read = SimWavFile::pcmOf(file, error);
    ASSERT_TRUE(read) << qPrintable(error);
    EXPECT_EQ(*read, pcm);
}

TEST(SimWavFileTest, RefusesWhatCannotBeStreamedAsIs)
{
    const QByteArray pcm = TestWav::rampPcm(10, 3);
    TestWav stereo;
    stereo.channels = 2;
    TestWav rate;
    rate.rate = 8000;
    TestWav bits;
    bits.bits = 8;
    TestWav floats;
    floats.format = 3;
    TestWav extensibleFloats;
    extensibleFloats.format = 0xFFFE;
    extensibleFloats.fmtExtension =
        QByteArray::fromHex("16001000040000000300000000001000800000aa00389b71");
    const QByteArray refused[] = {
        stereo.file(pcm),
        rate.file(pcm),
        bits.file(pcm),
        floats.file(pcm),
        extensibleFloats.file(pcm),
        QByteArray(),
        "RIFF\0\0\0\0WAVX"_ba,
        TestWav{}.file(pcm).left(36),        // fmt but no data
        "RIFF\x0c\0\0\0WAVEdata\0\0\0\0"_ba, // data but no fmt
        "RIFF\x0c\0\0\0WAVEfmt \x02\0\0\0\x01\0"_ba,
    };
    for (const QByteArray& file : refused) {
        QString error;
        EXPECT_FALSE(SimWavFile::pcmOf(file, error)) << file.toHex().constData();
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST(SimWavFileTest, ReadsFilesAndNamesTheOneItCannotRead)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(u"a.wav"_s);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(TestWav{}.file(TestWav::rampPcm(50, 4)));
    file.close();
    QString error;
    EXPECT_EQ(SimWavFile::readPcm(path, error), TestWav::rampPcm(50, 4));
    EXPECT_FALSE(SimWavFile::readPcm(dir.filePath(u"missing.wav"_s), error));
    EXPECT_TRUE(error.contains(u"missing.wav"_s));
    // Endless input is refused, not read until memory runs out.
    EXPECT_FALSE(SimWavFile::readPcm(u"/dev/zero"_s, error));
    EXPECT_TRUE(error.contains(u"larger"_s)) << qPrintable(error);
}
