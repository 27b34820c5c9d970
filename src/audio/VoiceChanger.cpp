#include "audio/VoiceChanger.h"

#include "audio/CallAudioServer.h"
#include "audio/MonitorOutput.h"
#include "audio/MusicDecoder.h"
#include "audio/Pcm.h"
#include "audio/VoiceChangerControls.h"

#include <QByteArrayView>
#include <algorithm>

namespace verbalink {

namespace {

constexpr qsizetype MaxSamples = CallAudioConnection::Capacity / 2;
// What a preset may give back for one block: SoundTouch's output, or a reversed piece.
constexpr qsizetype MaxChanged = 100000;

QByteArrayView bytesOf(std::span<const qint16> samples)
{
    return {reinterpret_cast<const char*>(samples.data()), qsizetype(samples.size_bytes())};
}

} // namespace

VoiceChanger::VoiceChanger(Links links)
    : m_links(std::move(links)), m_block(size_t(MaxSamples)), m_changed(size_t(MaxChanged)),
      m_hear(size_t(MaxChanged)), m_music(size_t(MaxChanged))
{
    static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "call audio is little-endian PCM");
}

bool VoiceChanger::step()
{
    if (m_links.controls.takeDelayClear())
        m_effects.clear();
    m_links.capture.connections(m_captured);
    m_links.input.connections(m_inputs);
    const auto& captured = m_captured;
    const auto& inputs = m_inputs;
    if (captured.empty() || inputs.empty()) {
        callEnded();
        if (!captured.empty())
            captured.front()->releaseSeen();
        return false;
    }
    const qsizetype limit =
        std::clamp<qsizetype>(m_links.controls.backlogLimit(), 2, MaxSamples * 2);
    const qsizetype bytes = captured.front()->takeUnseen(reinterpret_cast<char*>(m_block.data()),
                                                         limit, m_links.recordingRouted());
    if (bytes == 0)
        return false;
    const std::span<const qint16> out = process(std::span(m_block).first(size_t(bytes / 2)));
    if (!out.empty()) {
        for (const auto& input : inputs)
            input->append(bytesOf(out));
    }
    return true;
}

std::span<qint16> VoiceChanger::process(std::span<qint16> block)
{
    block = applyPreset(block);
    m_effects.process(m_links.controls.effect(), block);
    const bool hearVoice = m_links.controls.hearVoice();
    const bool hearMusic = m_links.controls.hearMusic();
    if (hearVoice && !hearMusic)
        std::copy(block.begin(), block.end(), m_hear.begin());
    const bool tookMusic = mixMusic(block);
    listen(block, tookMusic);
    return block;
}

std::span<qint16> VoiceChanger::applyPreset(std::span<qint16> block)
{
    using namespace voicechoices;
    const Preset preset = m_links.controls.preset();
    switch (preset) {
    case NoPreset:
        return block;
    case Robotic:
        m_robot.process(block);
        return block;
    case Alien:
        return std::span(m_changed).first(size_t(m_alien.process(block, m_changed)));
    case Mutation:
        m_pitch.setSemitones(m_sweep.mutate(0.1f));
        break;
    case MutationSlow:
        m_pitch.setSemitones(m_sweep.mutate(0.01f));
        break;
    case MutationFast:
        m_pitch.setSemitones(m_sweep.mutate(0.3f));
        break;
    case Atari:
        m_pitch.setSemitones(m_sweep.flip());
        break;
    default:
        m_pitch.setSemitones(pitchSemitones(preset));
        break;
    }
    return std::span(m_changed).first(size_t(m_pitch.process(block, m_changed)));
}

bool VoiceChanger::mixMusic(std::span<qint16> block)
{
    VoiceChangerControls& controls = m_links.controls;
    if (!controls.musicOn()) {
        stopMusic();
        return false;
    }
    if (controls.takeMusicRestart())
        m_musicStarted = false;
    if (!m_musicStarted) {
        m_links.music.stop();
        // A file that cannot be decoded gives no music; the voice goes on unchanged.
        m_links.music.start(controls.musicFile());
        m_musicStarted = true;
    }
    if (block.empty() ||
        !m_links.music.take(reinterpret_cast<char*>(m_music.data()), qsizetype(block.size_bytes())))
        return false;
    const int shift = controls.volumeShift();
    const bool hearOnlyMusic = controls.hearMusic() && !controls.hearVoice();
    for (size_t i = 0; i < block.size(); ++i) {
        const qint16 music = qint16(m_music[i] >> shift);
        if (hearOnlyMusic)
            m_hear[i] = music;
        block[i] = pcm::wrappingSum(block[i], music);
    }
    return true;
}

void VoiceChanger::listen(std::span<const qint16> block, bool tookMusic)
{
    if (block.empty())
        return;
    const VoiceChangerControls& controls = m_links.controls;
    const std::span<const qint16> hear = std::span(m_hear).first(block.size());
    if (controls.hearVoice())
        play(controls.hearMusic() ? block : hear);
    else if (controls.hearMusic() && controls.musicOn() && tookMusic)
        play(hear);
}

void VoiceChanger::play(std::span<const qint16> samples)
{
    // The device opens on the monitor's thread; what comes before it is open is not heard.
    m_links.monitor.open(16000);
    m_links.monitor.write(bytesOf(samples));
}

void VoiceChanger::callEnded()
{
    stopMusic();
    m_links.monitor.release();
}

void VoiceChanger::stopMusic()
{
    if (!m_musicStarted)
        return;
    m_links.music.stop();
    m_musicStarted = false;
}

} // namespace verbalink
