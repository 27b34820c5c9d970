#include "audio/VoiceChanger.h"

#include "LoopbackWait.h"
#include "audio/CallAudioServer.h"
#include "audio/MonitorOutput.h"
#include "audio/MusicDecoder.h"
#include "audio/VoiceChangerControls.h"
#include "audio/WavRecordingFile.h"
#include "translate/net/TcpSocket.h"

#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <thread>
#include <vector>

namespace verbalink {
namespace {

using namespace voicechoices;
using Samples = std::vector<qint16>;

// The step's processing without connections: nothing routed, nothing heard.
class VoiceChangerTest : public ::testing::Test {
protected:
    Samples run(Samples block) { return asVector(changer.process(block)); }
    static Samples asVector(std::span<const qint16> samples)
    {
        return {samples.begin(), samples.end()};
    }

    CallAudioServer capture{CallAudioServer::Role::Capture, 0};
    CallAudioServer input{CallAudioServer::Role::Input, 0};
    VoiceChangerControls controls;
    MusicDecoder music;
    MonitorOutput monitor;
    VoiceChanger changer{{capture, input, [] { return false; }, controls, music, monitor}};
};

Samples impulse(size_t length)
{
    Samples block(length, 0);
    block[0] = 4000;
    return block;
}

TEST_F(VoiceChangerTest, EffectsFollowTheirDelayLine)
{
    controls.setMusicOn(false);
    struct Case {
        Effect effect;
        std::vector<std::pair<size_t, qint16>> expected; // every other sample is 0
    };
    const Case cases[] = {
        {Echo, {{0, 4000}, {4000, 1000}}},
        {EchoMultiple, {{0, 4000}, {4000, 1000}, {8000, 250}, {12000, 62}}},
    };
    for (const Case& c : cases) {
        controls.setEffect(c.effect);
        controls.requestDelayClear();
        changer.step(); // no connections: only the clear
        // In blocks of 320 samples, as the client delivers them.
        Samples out;
        const Samples in = impulse(16000);
        for (size_t at = 0; at < in.size(); at += 320) {
            const Samples piece = run(Samples(in.begin() + long(at), in.begin() + long(at + 320)));
            out.insert(out.end(), piece.begin(), piece.end());
        }
        Samples expected(16000, 0);
        for (const auto& [index, value] : c.expected)
            expected[index] = value;
        EXPECT_EQ(out, expected) << c.effect;
    }

    controls.setEffect(Chorus);
    controls.requestDelayClear();
    changer.step();
    Samples in(1000);
    for (size_t i = 0; i < in.size(); ++i)
        in[i] = qint16((i * 7919) % 20001 - 10000);
    const Samples out = run(in);
    for (size_t i = 0; i < in.size(); ++i) {
        const int earlier = i >= 100 ? in[i - 100] : 0;
        ASSERT_EQ(out[i], qint16((in[i] + earlier) >> 1)) << i;
    }
}

TEST_F(VoiceChangerTest, RobotLeavesQuietBlocksAndModulatesLoudOnes)
{
    controls.setMusicOn(false);
    controls.setPreset(Robotic);
    const Samples quiet{200, 200, -5000, 0, 150, 250};
    EXPECT_EQ(run(quiet), quiet);
    const Samples loud(640, 1000);
    const Samples out = run(loud);
    // One sine period over 640 samples, starting one step in.
    EXPECT_EQ(out[0], qint16(1000 * std::sin(std::numbers::pi / 320)));
    EXPECT_EQ(out[159], 1000);
    EXPECT_EQ(out[319], 0);
    EXPECT_LT(out[479], -999);
    EXPECT_EQ(out[639], 0);
}

TEST_F(VoiceChangerTest, AlienPlaysHalfSecondsBackwardsWithFadedEnds)
{
    controls.setMusicOn(false);
    controls.setPreset(Alien);
    Samples in(8000);
    for (size_t i = 0; i < in.size(); ++i)
        in[i] = qint16(i + 1);
    EXPECT_TRUE(run(Samples(in.begin(), in.begin() + 4000)).empty());
    const Samples out = run(Samples(in.begin() + 4000, in.end()));
    ASSERT_EQ(out.size(), 8000u);
    // Sample k is input 8000 - k; the first and last 320 fade in and out.
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(out[160], 7840 * 160 / 320);
    EXPECT_EQ(out[4000], 4000);
    EXPECT_EQ(out[7700], 300 * 300 / 320);
    EXPECT_EQ(out[7999], 0);
}

TEST(PitchSweep, MutationClimbsToThirteenThenFallsToMinusFour)
{
    PitchSweep sweep;
    std::vector<double> pitches;
    for (int block = 0; block < 400; ++block)
        pitches.push_back(sweep.mutate(0.1f));
    EXPECT_NEAR(pitches[0], 0.1, 1e-4);
    EXPECT_NEAR(pitches[49], 5.0, 1e-3);
    const auto top =
        std::find_if(pitches.begin(), pitches.end(), [](double p) { return p >= 13.0; });
    ASSERT_NE(top, pitches.end());
    EXPECT_NEAR(top - pitches.begin(), 130, 1);
    EXPECT_LT(*(top + 10), 13.0);
    EXPECT_NEAR(*(top + 10), 12.0, 1e-3);
    const auto bottom = std::find_if(top, pitches.end(), [](double p) { return p <= -4.0; });
    ASSERT_NE(bottom, pitches.end());
    EXPECT_NEAR(bottom - top, 170, 1);

    PitchSweep atari;
    std::vector<int> flips;
    for (int block = 0; block < 60; ++block)
        flips.push_back(atari.flip());
    EXPECT_EQ(flips[39], 0);  // 40 blocks of 0.1 reach 4
    EXPECT_EQ(flips[40], -3); // then past it
    EXPECT_EQ(flips[47], -3);
    EXPECT_EQ(flips[48], 6); // down by one a block to below -3
}

// The dominant frequency of a 16 kHz block, by counting rising zero crossings.
double frequencyOf(std::span<const qint16> samples)
{
    int rising = 0;
    for (size_t i = 1; i < samples.size(); ++i)
        rising += samples[i - 1] < 0 && samples[i] >= 0;
    return rising * 16000.0 / double(samples.size());
}

TEST(PitchShifter, PresetsMoveASineByTheirSemitones)
{
    for (const Preset preset : {PitchMale, PitchFemale, PitchHelium, PitchBaby}) {
        PitchShifter shifter;
        shifter.setSemitones(pitchSemitones(preset));
        Samples out;
        Samples block(320);
        Samples received(100000);
        for (int n = 0; n < 150; ++n) { // three seconds of 300 Hz
            for (size_t i = 0; i < block.size(); ++i)
                block[i] = qint16(
                    8000 * std::sin(2 * std::numbers::pi * 300 * double(n * 320 + i) / 16000));
            const qsizetype got = shifter.process(block, received);
            out.insert(out.end(), received.begin(), received.begin() + got);
        }
        ASSERT_GT(out.size(), 32000u) << preset;
        // The last second, well past SoundTouch's start-up.
        const double measured = frequencyOf(std::span(out).last(16000));
        const double wanted = 300 * std::pow(2.0, pitchSemitones(preset) / 12.0);
        EXPECT_NEAR(measured / wanted, 1.0, 0.03) << preset << ": " << measured << " Hz";
    }
}

TEST_F(VoiceChangerTest, MusicIsMixedAtTheChosenVolumeAndRestartsWithANewFile)
{
    QTemporaryDir folder;
    const auto writeMusic = [&](const QString& name, qint16 first, qint16 rest) {
        QByteArray samples;
        for (int i = 0; i < 16000; ++i) {
            const qint16 value = i == 0 ? first : rest;
            samples.append(reinterpret_cast<const char*>(&value), 2);
        }
        QFile file(folder.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(WavRecordingFile::header(1, quint32(samples.size())) + samples);
        return file.fileName();
    };
    controls.setMusicFile(writeMusic(u"a.wav"_qs, 3200, 3200));
    const auto mixedUnder = [&](qint16 voice) {
        // The decoder fills its buffer on its own thread: wait until it has the block.
        for (int attempt = 0; attempt < 500; ++attempt) {
            const Samples out = run(Samples(320, voice));
            if (out[0] != voice)
                return out;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return Samples();
    };
    controls.setVolumeShift(1);
    EXPECT_EQ(mixedUnder(100), Samples(320, 1700));
    controls.setVolumeShift(5);
    EXPECT_EQ(mixedUnder(-100), Samples(320, 0));
    controls.setVolumeShift(1);
    EXPECT_EQ(mixedUnder(32767), Samples(320, qint16(32767 + 1600 - 65536)));

    // A new file starts from its own beginning.
    controls.setMusicFile(writeMusic(u"b.wav"_qs, 2000, 4000));
    const Samples restarted = mixedUnder(0);
    ASSERT_FALSE(restarted.empty());
    EXPECT_EQ(restarted[0], 1000);
    EXPECT_EQ(restarted[1], 2000);

    controls.setMusicOn(false);
    EXPECT_EQ(run(Samples(4, 5)), Samples(4, 5));
    EXPECT_FALSE(music.isRunning());
}

TEST_F(VoiceChangerTest, AfterAStallOnlyTheNewestAudioReachesThePartner)
{
    controls.setMusicOn(false);
    bool recording = false;
    VoiceChanger engine{{capture, input, [&] { return recording; }, controls, music, monitor}};
    ASSERT_TRUE(capture.start() && input.start());
    TcpSocket mic;
    TcpSocket partner;
    ASSERT_TRUE(mic.connectTo(test::Loopback, capture.port()));
    ASSERT_TRUE(partner.connectTo(test::Loopback, input.port()));
    ASSERT_TRUE(test::eventually(
        [&] { return capture.connections().size() == 1 && input.connections().size() == 1; }));
    const auto microphone = [&] {
        return capture.connections().front();
    };
    for (const bool routed : {false, true}) {
        recording = routed;
        // A second of speech piles up while the engine is held up.
        QByteArray second;
        for (int i = 0; i < 16000; ++i) {
            const auto sample = qint16(i * 3 - 20000);
            second.append(reinterpret_cast<const char*>(&sample), 2);
        }
        ASSERT_TRUE(mic.send(second));
        ASSERT_TRUE(test::eventually([&] { return microphone()->held() == second.size(); }));
        ASSERT_TRUE(engine.step());
        EXPECT_FALSE(engine.step());
        // The partner gets the last 200 ms; the recorder, while it records, all of it.
        QByteArray heard;
        char buffer[8192];
        while (heard.size() < VoiceChangerControls::DefaultBacklogLimit &&
               partner.waitReadable(5000) == 1) {
            const qsizetype n = partner.read(buffer, sizeof buffer);
            if (n <= 0)
                break;
            heard.append(buffer, n);
        }
        EXPECT_TRUE(heard == second.last(VoiceChangerControls::DefaultBacklogLimit)) << routed;
        EXPECT_EQ(microphone()->recordable(), routed ? second.size() : 0) << routed;
        microphone()->take();
    }
}

} // namespace
} // namespace verbalink
