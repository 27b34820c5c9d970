// Call audio in the real program: the simulator holds a call with bob, streams WAV files into
// the routed capture connections and keeps what the program sends on the input connection.

#include "EventWait.h"
#include "ProgramTestFixture.h"
#include "VirtualDisplay.h"
#include "audio/WavRecordingFile.h"

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

using namespace verbalink;
using verbalink::testing::waitUntil;

namespace {

constexpr int Samples = 16000;

qint16 micSample(int i)
{
    return qint16((i * 37) % 20000 - 10000);
}

qint16 outputSample(int i)
{
    return qint16(30000 - (i * 11) % 60001);
}

QByteArray pcm(qint16 (*sample)(int))
{
    QByteArray bytes(2 * Samples, Qt::Uninitialized);
    for (int i = 0; i < Samples; ++i)
        qToLittleEndian(sample(i), bytes.data() + 2 * i);
    return bytes;
}

qint16 sampleAt(const QByteArray& bytes, int index)
{
    return qFromLittleEndian<qint16>(bytes.constData() + 2 * index);
}

QByteArray sine(double hertz, int samples)
{
    QByteArray bytes(2 * samples, Qt::Uninitialized);
    for (int i = 0; i < samples; ++i)
        qToLittleEndian(qint16(8000 * std::sin(2 * std::numbers::pi * hertz * i / 16000)),
                        bytes.data() + 2 * i);
    return bytes;
}

// The amplitude of one frequency in 16 kHz samples (a single DFT bin).
double amplitudeAt(const QByteArray& pcm, int first, int count, double hertz)
{
    double re = 0;
    double im = 0;
    for (int i = 0; i < count; ++i) {
        const double phase = 2 * std::numbers::pi * hertz * i / 16000;
        re += sampleAt(pcm, first + i) * std::cos(phase);
        im += sampleAt(pcm, first + i) * std::sin(phase);
    }
    return 2 * std::hypot(re, im) / count;
}

class CallAudioProgramTest : public verbalink::testing::ProgramTestFixture {
protected:
    QString writeWav(const QString& name, const QByteArray& samples)
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(WavRecordingFile::header(1, quint32(samples.size())) + samples);
        return file.fileName();
    }
    QString folder() const { return path(u"home/Documents/Skype Voice Records"); }
    QStringList recordings() const { return QDir(folder()).entryList({u"*.wav"_qs}, QDir::Files); }
    bool commandSeen(const QString& command)
    {
        return waitUntil([&] { return readFile(commandLog()).contains(command); });
    }
};

TEST_F(CallAudioProgramTest, AnAutomaticRecordingHoldsTheMixOfBothStreams)
{
    const QByteArray mic = pcm(micSample);
    const QByteArray output = pcm(outputSample);
    const QString micFile = writeWav(u"mic.wav"_qs, mic);
    const QString outputFile = writeWav(u"output.wav"_qs, output);
    m_sim->directive(u"user bob en Bob/Builder"_qs);
    int callId = 1000;
    for (const bool stereo : {false, true}) {
        SCOPED_TRACE(stereo ? "stereo" : "mono");
        writeSettings(QByteArray("[Software\\Verbalink]\nCallAutoRecord=1\nCallStereoRecord=") +
                      (stereo ? "1" : "0") + "\n");
        auto program = launch();
        const QString id = QString::number(++callId);
        // Each start attaches anew.
        ASSERT_TRUE(waitUntil([&] {
            return readFile(commandLog()).count(u"GET UI_LANGUAGE"_qs) == callId - 1000;
        })) << qPrintable(log());
        m_sim->directive(u"call "_qs + id + u" bob "_qs + micFile + u' ' + outputFile);
        ASSERT_TRUE(commandSeen(u"ALTER CALL "_qs + id + u" SET_OUTPUT PORT="_qs))
            << qPrintable(readFile(commandLog()));
        EXPECT_TRUE(
            readFile(commandLog()).contains(u"GET CALL "_qs + id + u" PARTNER_DISPNAME"_qs));

        // The file grows as the streams come in; the call ends once both have been written.
        const qint64 full = 44 + (stereo ? 4 : 2) * Samples;
        ASSERT_TRUE(waitUntil(
            [&] {
                const QStringList files = recordings();
                return files.size() == 1 && QFileInfo(folder() + u'/' + files[0]).size() == full;
            },
            15000));
        m_sim->directive(u"call-end "_qs + id);
        ASSERT_TRUE(waitUntil([&] {
            const QStringList files = recordings();
            return files.size() == 1 && files[0].startsWith(u"REC - Bob.Builder ( "_qs);
        })) << qPrintable(recordings().join(u", "));

        QFile file(folder() + u'/' + recordings()[0]);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        ASSERT_EQ(bytes.size(), full);
        EXPECT_EQ(qFromLittleEndian<quint32>(bytes.constData() + 4), quint32(full - 8));
        EXPECT_EQ(qFromLittleEndian<quint32>(bytes.constData() + 40), quint32(full - 44));
        EXPECT_EQ(qFromLittleEndian<quint16>(bytes.constData() + 22), stereo ? 2 : 1);
        const QByteArray data = bytes.mid(44);
        int wrong = 0;
        for (int i = 0; i < Samples; ++i) {
            const qint16 m = sampleAt(mic, i);
            const qint16 o = sampleAt(output, i);
            if (stereo)
                wrong += sampleAt(data, 2 * i) != m || sampleAt(data, 2 * i + 1) != o;
            else
                wrong += sampleAt(data, i) != qint16(int(m * 0.6) + int(o * 0.6));
        }
        EXPECT_EQ(wrong, 0);
        file.remove();
        ASSERT_TRUE(terminate(*program)) << qPrintable(log());
    }
}

TEST_F(CallAudioProgramTest, TheHotKeyOpensTheRecorderWhoseButtonStartsAndStopsRecording)
{
    verbalink::testing::VirtualDisplay display;
    ASSERT_TRUE(showOn(display));
    m_sim->directive(u"user bob en Bob"_qs);
    auto program = launch();
    ASSERT_TRUE(logShows(u"hot keys: 22 grabbed"_qs)) << qPrintable(log());
    ASSERT_TRUE(attached());
    const QByteArray mic = pcm(micSample);
    m_sim->directive(u"call 77 bob "_qs + writeWav(u"mic.wav"_qs, mic) + u' ' +
                     writeWav(u"output.wav"_qs, pcm(outputSample)));
    ASSERT_TRUE(commandSeen(u"GET CALL 77 PARTNER_DISPNAME"_qs));
    // No automatic recording: nothing is routed until the dialog's button asks.
    EXPECT_FALSE(readFile(commandLog()).contains(u"ALTER CALL"_qs));

    ASSERT_TRUE(display.press(u"ctrl+shift+F8"_qs));
    ASSERT_TRUE(logShows(u"dialog opened: Voice Call Recorder"_qs)) << qPrintable(log());
    waitUntil([] { return false; }, 500);
    ASSERT_TRUE(display.press(u"space"_qs)); // "Start recording" has the focus
    ASSERT_TRUE(commandSeen(u"ALTER CALL 77 SET_OUTPUT PORT="_qs))
        << qPrintable(readFile(commandLog())) << qPrintable(log());
    ASSERT_TRUE(waitUntil([&] { return !recordings().isEmpty(); }));
    ASSERT_TRUE(display.press(u"space"_qs)); // now "Stop recording"
    ASSERT_TRUE(commandSeen(u"ALTER CALL 77 SET_CAPTURE_MIC\n"_qs))
        << qPrintable(readFile(commandLog()));
    ASSERT_TRUE(waitUntil([&] {
        return recordings().size() == 1 && recordings()[0].startsWith(u"REC - Bob ( "_qs);
    })) << qPrintable(recordings().join(u", "));
    ASSERT_TRUE(terminate(*program)) << qPrintable(log());
}

TEST_F(CallAudioProgramTest, TheChangedVoiceWithMusicIsWhatThePartnerHears)
{
    const QString heard = path(u"input.pcm"_qs);
    writeSettings("[Software\\Verbalink]\nVoiceChanger=33192\nMusicVolume=33198\nMusicPlayOn=1\n"
                  "MusicPlay=" +
                  writeWav(u"music.wav"_qs, sine(1000, 48000)).toUtf8() + "\n");
    m_sim->directive(u"user bob en Bob"_qs);
    m_sim->directive(u"call-input "_qs + heard);
    auto program = launch();
    ASSERT_TRUE(attached()) << qPrintable(log());
    m_sim->directive(u"call 501 bob "_qs + writeWav(u"mic.wav"_qs, sine(300, 48000)) + u" -"_qs);
    // A changed voice routes the input, and the microphone copy it is made from.
    ASSERT_TRUE(commandSeen(u"ALTER CALL 501 SET_CAPTURE_MIC PORT="_qs))
        << qPrintable(readFile(commandLog()));
    const QString commands = readFile(commandLog());
    EXPECT_LT(commands.indexOf(u"ALTER CALL 501 SET_INPUT PORT="_qs),
              commands.indexOf(u"ALTER CALL 501 SET_CAPTURE_MIC PORT="_qs));
    EXPECT_FALSE(commands.contains(u"SET_OUTPUT"_qs));

    ASSERT_TRUE(waitUntil([&] { return QFileInfo(heard).size() >= 2 * 40000; }, 15000))
        << QFileInfo(heard).size();
    m_sim->directive(u"call-end 501"_qs);
    QFile file(heard);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pcm = file.readAll();
    // A second well inside the call: the voice four semitones up, the music at half amplitude.
    const double shifted = amplitudeAt(pcm, 16000, 16000, 300 * std::pow(2.0, 4.0 / 12));
    const double original = amplitudeAt(pcm, 16000, 16000, 300);
    const double music = amplitudeAt(pcm, 16000, 16000, 1000);
    EXPECT_GT(shifted, 4000) << original << ' ' << music;
    EXPECT_LT(original, shifted / 10);
    EXPECT_NEAR(music, 4000, 200);
    ASSERT_TRUE(terminate(*program)) << qPrintable(log());
}

TEST_F(CallAudioProgramTest, AfterARecordingIsStoppedThePartnerStillHearsTheChangedVoice)
{
    verbalink::testing::VirtualDisplay display;
    ASSERT_TRUE(showOn(display));
    const QString heard = path(u"input.pcm"_qs);
    writeSettings("[Software\\Verbalink]\nVoiceChanger=33192\nMusicPlayOn=0\n");
    m_sim->directive(u"user bob en Bob"_qs);
    m_sim->directive(u"call-input "_qs + heard);
    auto program = launch();
    ASSERT_TRUE(logShows(u"hot keys: 22 grabbed"_qs)) << qPrintable(log());
    ASSERT_TRUE(attached());
    m_sim->directive(u"call 12 bob "_qs + writeWav(u"mic.wav"_qs, sine(300, 12 * Samples)) + u' ' +
                     writeWav(u"output.wav"_qs, sine(700, 12 * Samples)));
    ASSERT_TRUE(commandSeen(u"ALTER CALL 12 SET_CAPTURE_MIC PORT="_qs))
        << qPrintable(readFile(commandLog()));

    ASSERT_TRUE(display.press(u"ctrl+shift+F8"_qs));
    ASSERT_TRUE(logShows(u"dialog opened: Voice Call Recorder"_qs)) << qPrintable(log());
    waitUntil([] { return false; }, 500);
    ASSERT_TRUE(display.press(u"space"_qs)); // "Start recording"
    ASSERT_TRUE(commandSeen(u"ALTER CALL 12 SET_OUTPUT PORT="_qs));
    ASSERT_TRUE(waitUntil([&] { return !recordings().isEmpty(); }));
    ASSERT_TRUE(display.press(u"space"_qs)); // "Stop recording"
    ASSERT_TRUE(waitUntil([&] {
        return recordings().size() == 1 && recordings()[0].startsWith(u"REC - Bob ( "_qs);
    })) << qPrintable(recordings().join(u", "));

    // Two more seconds reach the partner, the voice four semitones up as before.
    const qint64 atStop = QFileInfo(heard).size();
    ASSERT_TRUE(waitUntil([&] { return QFileInfo(heard).size() >= atStop + 4 * Samples; }, 15000))
        << atStop << " then " << QFileInfo(heard).size() << '\n'
        << qPrintable(readFile(commandLog()));
    QFile file(heard);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pcm = file.readAll();
    const int first = int(atStop / 2) + Samples / 2;
    const double shifted = amplitudeAt(pcm, first, Samples, 300 * std::pow(2.0, 4.0 / 12));
    EXPECT_GT(shifted, 4000);
    EXPECT_LT(amplitudeAt(pcm, first, Samples, 300), shifted / 10);
    m_sim->directive(u"call-end 12"_qs);
    ASSERT_TRUE(terminate(*program)) << qPrintable(log());
}

TEST_F(CallAudioProgramTest, MusicStartedDuringACallReachesThePartnerFromItsBeginning)
{
    verbalink::testing::VirtualDisplay display;
    ASSERT_TRUE(showOn(display));
    QByteArray music(2 * Samples, Qt::Uninitialized);
    for (int i = 0; i < Samples; ++i)
        qToLittleEndian(qint16(1000 + (i * 13) % 20000), music.data() + 2 * i);
    const QString musicFile = writeWav(u"music.wav"_qs, music);
    const QString heard = path(u"input.pcm"_qs);
    writeSettings("[Software\\Verbalink]\nMusicPlayOn=0\nMusicVolume=33198\n");
    m_sim->directive(u"user bob en Bob"_qs);
    m_sim->directive(u"call-input "_qs + heard);
    auto program = launch();
    ASSERT_TRUE(logShows(u"hot keys: 22 grabbed"_qs)) << qPrintable(log());
    ASSERT_TRUE(attached());
    m_sim->directive(u"call 11 bob "_qs + writeWav(u"silence.wav"_qs, QByteArray(10 * 32000, 0)) +
                     u" -"_qs);
    ASSERT_TRUE(commandSeen(u"GET CALL 11 PARTNER_DISPNAME"_qs));
    const auto stored = [&](const char* line) {
        return waitUntil([&] { return readFile(settingsFile()).contains(QLatin1String(line)); });
    };
    const auto browse = [&] {
        m_program->clearLog();
        EXPECT_TRUE(display.press(u"ctrl+shift+m"_qs)); // music on: with no file, Browse
        EXPECT_TRUE(logShows(u"dialog opened: Browse Audio File"_qs)) << qPrintable(log());
        waitUntil([] { return false; }, 800);
    };

    // Browse, then Cancel: music is on all the same, with nothing to play, so nothing is routed.
    browse();
    ASSERT_TRUE(display.press(u"Escape"_qs));
    ASSERT_TRUE(stored("MusicPlayOn=1"));
    ASSERT_TRUE(display.press(u"ctrl+shift+m"_qs)); // music off
    ASSERT_TRUE(stored("MusicPlayOn=0"));
    EXPECT_FALSE(readFile(commandLog()).contains(u"ALTER CALL"_qs));

    // A file chosen: the input is routed and the partner hears the music from its first sample.
    browse();
    ASSERT_TRUE(display.type(musicFile));
    ASSERT_TRUE(display.press(u"Return"_qs));
    ASSERT_TRUE(commandSeen(u"ALTER CALL 11 SET_INPUT PORT="_qs)) << qPrintable(log());
    ASSERT_TRUE(waitUntil([&] { return QFileInfo(heard).size() >= 2 * 24000; }, 15000));
    QFile file(heard);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pcm = file.readAll();
    int first = 0;
    while (first < pcm.size() / 2 && sampleAt(pcm, first) == 0)
        ++first;
    ASSERT_LT(first + 8000, pcm.size() / 2);
    int wrong = 0;
    for (int i = 0; i < 8000; ++i)
        wrong += sampleAt(pcm, first + i) != qint16(sampleAt(music, i) >> 1);
    EXPECT_EQ(wrong, 0);
    m_sim->directive(u"call-end 11"_qs);
    ASSERT_TRUE(terminate(*program)) << qPrintable(log());
}

} // namespace
