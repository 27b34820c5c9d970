#pragma once

#include "audio/VoiceChoices.h"

#include <QString>
#include <atomic>
#include <mutex>

namespace verbalink {

// The voice changer's switches: set from the menus on the GUI thread, read by the audio engine
// at every block.
class VoiceChangerControls {
public:
    void setPreset(voicechoices::Preset preset) { m_preset = preset; }
    voicechoices::Preset preset() const { return m_preset.load(); }
    void setEffect(voicechoices::Effect effect) { m_effect = effect; }
    voicechoices::Effect effect() const { return m_effect.load(); }
    void setVolumeShift(int shift) { m_volumeShift = shift; }
    int volumeShift() const { return m_volumeShift.load(); }
    void setMusicOn(bool on) { m_musicOn = on; }
    bool musicOn() const { return m_musicOn.load(); }
    void setHearVoice(bool on) { m_hearVoice = on; }
    bool hearVoice() const { return m_hearVoice.load(); }
    void setHearMusic(bool on) { m_hearMusic = on; }
    bool hearMusic() const { return m_hearMusic.load(); }

    // A new file plays from its beginning.
    void setMusicFile(const QString& path);
    QString musicFile() const;
    // The engine's side: true once after every new file.
    bool takeMusicRestart() { return m_musicRestart.exchange(false); }

    // The input routing was applied again: the effects start from silence.
    void requestDelayClear() { m_delayClear = true; }
    bool takeDelayClear() { return m_delayClear.exchange(false); }

    // The most microphone audio, in bytes, that may wait for the partner: after a stall the
    // oldest is passed over, so the delay it caused does not last.
    static constexpr qsizetype DefaultBacklogLimit = 6400; // 200 ms
    void setBacklogLimit(qsizetype bytes) { m_backlogLimit = bytes; }
    qsizetype backlogLimit() const { return m_backlogLimit.load(); }

    // Whether a call's input must be routed here: a preset, an effect or music is on.
    bool changesVoice() const;

private:
    std::atomic<voicechoices::Preset> m_preset = voicechoices::NoPreset;
    std::atomic<voicechoices::Effect> m_effect = voicechoices::NoEffect;
    std::atomic<int> m_volumeShift = 4;
    std::atomic<bool> m_musicOn = true;
    std::atomic<bool> m_hearVoice = false;
    std::atomic<bool> m_hearMusic = false;
    std::atomic<bool> m_musicRestart = false;
    std::atomic<bool> m_delayClear = false;
    std::atomic<qsizetype> m_backlogLimit = DefaultBacklogLimit;
    mutable std::mutex m_pathLock;
    QString m_musicFile;
};

} // namespace verbalink
