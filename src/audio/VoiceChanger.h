#pragma once

#include "audio/AlienReversal.h"
#include "audio/PitchShifter.h"
#include "audio/RobotVoice.h"
#include "audio/SoundEffects.h"

#include <QtGlobal>
#include <functional>
#include <memory>
#include <span>
#include <vector>

namespace verbalink {

class CallAudioConnection;
class CallAudioServer;
class MonitorOutput;
class MusicDecoder;
class VoiceChangerControls;

// The voice changer step of the audio engine: the microphone copy from the first capture
// connection goes through the chosen preset and effect, gets the music mixed in, may be heard
// locally, and is queued on every input connection as what the partner hears.
class VoiceChanger {
public:
    struct Links {
        const CallAudioServer& capture;
        const CallAudioServer& input;
        // While true the recorder consumes the microphone copy; this step only reads it.
        std::function<bool()> recordingRouted;
        VoiceChangerControls& controls;
        MusicDecoder& music;
        MonitorOutput& monitor;
    };

    explicit VoiceChanger(Links links);

    // One pass of the engine; true when it processed audio.
    bool step();
    // The processing of one block in place, without the connections: returns the samples that
    // come out (a preset may hold some back, or give more).
    std::span<qint16> process(std::span<qint16> block);

private:
    void stopMusic();
    std::span<qint16> applyPreset(std::span<qint16> block);
    // Mixes music under the block; true when there was music for it.
    bool mixMusic(std::span<qint16> block);
    void listen(std::span<const qint16> block, bool tookMusic);
    void play(std::span<const qint16> samples);
    // Between calls the output device is released, so an idle program plays nothing; the
    // monitor keeps it a little while, so a call whose input is routed again keeps it too.
    void callEnded();

    Links m_links;
    RobotVoice m_robot;
    SoundEffects m_effects;
    AlienReversal m_alien;
    PitchShifter m_pitch;
    PitchSweep m_sweep;
    bool m_musicStarted = false;
    // Work buffers, sized once so a block never allocates.
    std::vector<qint16> m_block;
    std::vector<qint16> m_changed;
    std::vector<qint16> m_hear;
    std::vector<qint16> m_music;
    std::vector<std::shared_ptr<CallAudioConnection>> m_captured;
    std::vector<std::shared_ptr<CallAudioConnection>> m_inputs;
};

} // namespace verbalink
