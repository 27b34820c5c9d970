#pragma once

#include <QtGlobal>
#include <memory>
#include <span>
#include <vector>

namespace soundtouch {
class SoundTouch;
}

namespace verbalink {

// Shifts the voice's pitch with SoundTouch, set up once for 16 kHz mono speech. Output lags the
// input by SoundTouch's own latency, so the first blocks may give nothing back.
class PitchShifter {
public:
    // The largest block process() takes at once; bigger blocks go in pieces.
    static constexpr qsizetype MaxBlock = 50000;

    PitchShifter();
    ~PitchShifter();
    PitchShifter(const PitchShifter&) = delete;
    PitchShifter& operator=(const PitchShifter&) = delete;

    void setSemitones(double semitones);
    // Puts the block in and writes what SoundTouch offers, at most out.size(); returns that count.
    qsizetype process(std::span<const qint16> block, std::span<qint16> out);

private:
    std::unique_ptr<soundtouch::SoundTouch> m_touch;
    double m_semitones = 0.0;
    std::vector<float> m_in;
    std::vector<float> m_out;
};

// The pitch of the three "Mutation" presets and of "Atari Game", moved a little every block.
// One state for all four, kept when the preset changes.
class PitchSweep {
public:
    // Sweeps between -4 and 13 semitones in steps of stepSize.
    double mutate(float stepSize);
    // Flips between +6 and -3 semitones as the sweep passes -3 and 4.
    int flip();

private:
    float m_accumulator = 0.0f;
    float m_step = 0.1f;
    int m_flipPitch = 0;
};

} // namespace verbalink
