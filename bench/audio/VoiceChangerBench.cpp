// The voice changer's processing of one 20 ms block (320 samples) per preset and effect, with
// the allocations each block makes once warmed up (counted by replacing operator new here); and
// the longest step of the engine during a call in which the input is routed again and again.

#include "audio/CallAudioServer.h"
#include "audio/MonitorOutput.h"
#include "audio/MusicDecoder.h"
#include "audio/VoiceChanger.h"
#include "audio/VoiceChangerControls.h"
#include "audio/WavRecordingFile.h"
#include "translate/net/TcpSocket.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <functional>
#include <numbers>
#include <thread>
#include <vector>

// Every malloc, calloc and realloc of the measuring thread is counted (Qt containers and
// std::vector alike); other threads, such as the music decoder's, are not.
namespace {

thread_local bool counting = false;
thread_local long allocations = 0;

} // namespace

extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* pointer, size_t size);

void* malloc(size_t size)
{
    allocations += counting;
    return __libc_malloc(size);
}

void* calloc(size_t count, size_t size)
{
    allocations += counting;
    return __libc_calloc(count, size);
}

void* realloc(void* pointer, size_t size)
{
    allocations += counting;
    return __libc_realloc(pointer, size);
}
}

namespace verbalink {
namespace {

using namespace voicechoices;

constexpr int BlockSamples = 320;

std::vector<qint16> voiceBlock(int index)
{
    std::vector<qint16> block(BlockSamples);
    for (int i = 0; i < BlockSamples; ++i) {
        const double t = double(index * BlockSamples + i) / 16000;
        block[size_t(i)] = qint16(6000 * std::sin(2 * std::numbers::pi * 180 * t) +
                                  2000 * std::sin(2 * std::numbers::pi * 720 * t));
    }
    return block;
}

QString musicFile(const QTemporaryDir& folder)
{
    QByteArray samples(2 * 16000 * 5, '\0');
    for (int i = 0; i < 16000 * 5; ++i) {
        const auto value = qint16(8000 * std::sin(2 * std::numbers::pi * 440 * i / 16000.0));
        std::memcpy(samples.data() + 2 * i, &value, 2);
    }
    QFile file(folder.filePath(QStringLiteral("music.wav")));
    file.open(QIODevice::WriteOnly);
    file.write(WavRecordingFile::header(1, quint32(samples.size())) + samples);
    return file.fileName();
}

void processBlock(benchmark::State& state, Preset preset, Effect effect, bool music)
{
    CallAudioServer capture(CallAudioServer::Role::Capture, 0);
    CallAudioServer input(CallAudioServer::Role::Input, 0);
    VoiceChangerControls controls;
    MusicDecoder decoder;
    MonitorOutput monitor;
    QTemporaryDir folder;
    controls.setPreset(preset);
    controls.setEffect(effect);
    controls.setMusicOn(music);
    if (music)
        controls.setMusicFile(musicFile(folder));
    VoiceChanger changer({capture, input, [] { return false; }, controls, decoder, monitor});
    std::vector<std::vector<qint16>> blocks;
    for (int i = 0; i < 50; ++i)
        blocks.push_back(voiceBlock(i));
    std::vector<qint16> block(BlockSamples);
    // Warm up: SoundTouch and the decoder reach their steady sizes.
    for (int i = 0; i < 200; ++i) {
        block = blocks[size_t(i) % blocks.size()];
        changer.process(block);
        if (music)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    size_t index = 0;
    allocations = 0;
    counting = true;
    for (auto _ : state) {
        const std::vector<qint16>& source = blocks[index++ % blocks.size()];
        std::copy(source.begin(), source.end(), block.begin());
        benchmark::DoNotOptimize(changer.process(block).data());
    }
    counting = false;
    state.counters["allocs_per_block"] = double(allocations) / double(state.iterations());
    // How many times faster than the 20 ms a block lasts.
    state.counters["realtime_x"] =
        benchmark::Counter(0.020 * double(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_Block(benchmark::State& state)
{
    processBlock(state, Preset(state.range(0)), Effect(state.range(1)), state.range(2) != 0);
}

// Presets with no effect, then each effect alone, then a pitch preset with echo and music.
BENCHMARK(BM_Block)
    ->ArgNames({"preset", "effect", "music"})
    ->Args({NoPreset, NoEffect, 0})
    ->Args({Robotic, NoEffect, 0})
    ->Args({PitchFemale, NoEffect, 0})
    ->Args({Mutation, NoEffect, 0})
    ->Args({Atari, NoEffect, 0})
    ->Args({Alien, NoEffect, 0})
    ->Args({NoPreset, Echo, 0})
    ->Args({NoPreset, EchoMultiple, 0})
    ->Args({NoPreset, Chorus, 0})
    ->Args({PitchFemale, Echo, 1});

// Processor time the calling thread has used.
double threadMilliseconds()
{
    timespec used{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &used);
    return double(used.tv_sec) * 1e3 + double(used.tv_nsec) / 1e6;
}

// The client's side of a call on loopback: the microphone copy sent to the capture server, the
// partner's input read from the input server.
struct CallClient {
    static constexpr quint32 Loopback = 0x7f000001;

    CallClient(const CallAudioServer& capture, const CallAudioServer& input)
        : m_capture(capture), m_input(input)
    {
        m_mic.connectTo(Loopback, capture.port());
        waitFor([&] { return capture.connections().size() == 1; });
        connectPartner();
    }
    void connectPartner()
    {
        m_partner.connectTo(Loopback, m_input.port());
        waitFor([&] { return m_input.connections().size() == 1; });
    }
    // As the client does when the input is routed again: the old connection goes, a new one comes.
    void dropPartner()
    {
        m_partner.close();
        waitFor([&] { return m_input.connections().empty(); });
    }
    // Sends one block and waits until the capture server holds it.
    void speak(QByteArrayView block)
    {
        m_mic.send(block);
        waitFor([&] {
            const auto live = m_capture.connections();
            return !live.empty() && live.front()->held() >= block.size();
        });
    }
    void listen()
    {
        char buffer[65536];
        while (m_partner.isOpen() && m_partner.waitReadable(0) == 1 &&
               m_partner.read(buffer, sizeof buffer) > 0) {
        }
    }
    static void waitFor(const std::function<bool()>& condition)
    {
        for (int i = 0; i < 20000 && !condition(); ++i)
            std::this_thread::sleep_for(std::chrono::microseconds(100));
    }

    const CallAudioServer& m_capture;
    const CallAudioServer& m_input;
    TcpSocket m_mic;
    TcpSocket m_partner;
};

// One call per iteration, the voice heard with the music: 20 presets chosen one after another,
// 100 ms of speech with each, every choice routing the input again. Counters: the longest step
// of the engine over the call and the median one, in milliseconds; and the most processor time
// one step used, which a busy machine's scheduler does not stretch.
void BM_LongestStepWhileReRouting(benchmark::State& state)
{
    // ALSA's null device stands in for the sound card, whatever the machine has.
    qputenv("ALSA_CONFIG_PATH", NULL_SOUND_CONFIG);
    QTemporaryDir folder;
    const QString music = musicFile(folder);
    const Preset presets[] = {PitchMale, PitchFemale, Robotic, Mutation,    PitchHelium,
                              Atari,     PitchBaby,   Alien,   MutationFast};
    std::vector<double> steps;
    double busiest = 0;
    for (auto _ : state) {
        CallAudioServer capture(CallAudioServer::Role::Capture, 0);
        CallAudioServer input(CallAudioServer::Role::Input, 0);
        capture.start();
        input.start();
        VoiceChangerControls controls;
        controls.setMusicFile(music);
        controls.setMusicOn(true);
        controls.setHearVoice(true);
        controls.setHearMusic(true);
        MusicDecoder decoder;
        MonitorOutput monitor;
        VoiceChanger changer({capture, input, [] { return false; }, controls, decoder, monitor});
        CallClient client(capture, input);
        steps.clear();
        busiest = 0;
        const auto timedStep = [&] {
            const double cpu = threadMilliseconds();
            const auto begun = std::chrono::steady_clock::now();
            changer.step();
            steps.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begun)
                    .count());
            busiest = std::max(busiest, threadMilliseconds() - cpu);
        };
        auto due = std::chrono::steady_clock::now();
        int block = 0;
        for (int choice = 0; choice < 20; ++choice) {
            for (int i = 0; i < 5; ++i, ++block) {
                const std::vector<qint16> voice = voiceBlock(block);
                client.speak({reinterpret_cast<const char*>(voice.data()), 2 * BlockSamples});
                timedStep();
                client.listen();
                due += std::chrono::milliseconds(20);
                std::this_thread::sleep_until(due);
            }
            controls.setPreset(presets[choice % std::size(presets)]);
            controls.requestDelayClear();
            client.dropPartner();
            timedStep(); // the pass that runs while the input is away
            client.connectPartner();
        }
        std::sort(steps.begin(), steps.end());
        state.counters["longest_step_ms"] = steps.back();
        state.counters["median_step_ms"] = steps[steps.size() / 2];
        state.counters["longest_step_cpu_ms"] = busiest;
    }
}

BENCHMARK(BM_LongestStepWhileReRouting)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace verbalink
