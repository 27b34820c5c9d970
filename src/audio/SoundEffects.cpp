#include "audio/SoundEffects.h"

#include "audio/Pcm.h"

namespace verbalink {

void SoundEffects::process(voicechoices::Effect effect, std::span<qint16> block)
{
    using namespace voicechoices;
    if (effect == NoEffect)
        return;
    const int length = effect == Chorus ? ChorusDelay : EchoDelay;
    for (qint16& sample : block) {
        if (m_position >= length)
            m_position = 0;
        qint16& delayed = m_delay[size_t(m_position++)];
        const qint16 in = sample;
        switch (effect) {
        case Echo:
            sample = pcm::wrappingSum(in, delayed);
            delayed = qint16(in >> 2);
            break;
        case EchoMultiple:
            sample = pcm::wrappingSum(in, delayed);
            delayed = qint16(sample >> 2);
            break;
        case Chorus:
            sample = qint16((int(in) + int(delayed)) >> 1);
            delayed = in;
            break;
        case NoEffect:
            break;
        }
    }
}

void SoundEffects::clear()
{
    m_delay.fill(0);
    m_position = 0;
}

} // namespace verbalink
