#include "audio/PitchShifter.h"

#include <SoundTouch.h>
#include <algorithm>

namespace verbalink {

PitchShifter::PitchShifter()
    : m_touch(std::make_unique<soundtouch::SoundTouch>()), m_in(size_t(MaxBlock)),
      m_out(size_t(MaxBlock))
{
    m_touch->setSampleRate(16000);
    m_touch->setChannels(1);
    m_touch->setRateChange(0);
    m_touch->setTempoChange(0);
    m_touch->setSetting(SETTING_USE_QUICKSEEK, 0);
    m_touch->setSetting(SETTING_USE_AA_FILTER, 1);
    m_touch->setSetting(SETTING_SEQUENCE_MS, 40);
    m_touch->setSetting(SETTING_SEEKWINDOW_MS, 15);
    m_touch->setSetting(SETTING_OVERLAP_MS, 8);
}

PitchShifter::~PitchShifter() = default;

void PitchShifter::setSemitones(double semitones)
{
    // A change of pitch makes SoundTouch recompute its filters: only when there is one.
    if (semitones == m_semitones)
        return;
    m_semitones = semitones;
    m_touch->setPitchSemiTones(semitones);
}

qsizetype PitchShifter::process(std::span<const qint16> block, std::span<qint16> out)
{
    while (!block.empty()) {
        const size_t count = std::min(block.size(), m_in.size());
        for (size_t i = 0; i < count; ++i)
            m_in[i] = float(block[i]);
        m_touch->putSamples(m_in.data(), uint(count));
        block = block.subspan(count);
    }
    qsizetype written = 0;
    while (written < qsizetype(out.size())) {
        const uint wanted = uint(std::min<qsizetype>(qsizetype(out.size()) - written, MaxBlock));
        const uint got = m_touch->receiveSamples(m_out.data(), wanted);
        if (got == 0)
            break;
        for (uint i = 0; i < got; ++i)
            out[size_t(written + i)] = qint16(std::clamp(m_out[i], -32768.0f, 32767.0f));
        written += got;
    }
    return written;
}

double PitchSweep::mutate(float stepSize)
{
    m_accumulator += m_step;
    if (m_accumulator < -4.0f) {
        m_accumulator = -4.0f;
        m_step = stepSize;
    }
    if (m_accumulator > 13.0f) {
        m_accumulator = 13.0f;
        m_step = -stepSize;
    }
    return m_accumulator;
}

int PitchSweep::flip()
{
    m_accumulator += m_step;
    if (m_accumulator < -3.0f) {
        m_flipPitch = 6;
        m_step = 1.0f;
    }
    if (m_accumulator > 4.0f) {
        m_flipPitch = -3;
        m_step = -1.0f;
    }
    return m_flipPitch;
}

} // namespace verbalink
