#include "audio/RobotVoice.h"

#include <cmath>
#include <numbers>

namespace verbalink {

RobotVoice::RobotVoice()
{
    for (int k = 0; k < TableSize; ++k)
        m_table[size_t(k)] = float(std::sin(k * std::numbers::pi / 320.0));
}

void RobotVoice::process(std::span<qint16> block)
{
    qint64 sum = 0;
    qint64 count = 0;
    for (qint16 sample : block) {
        if (sample > 0) {
            sum += sample;
            ++count;
        }
    }
    if (count == 0 || sum / count <= Gate)
        return;
    for (qint16& sample : block) {
        m_phase = (m_phase + 1) % TableSize;
        sample = qint16(float(sample) * m_table[size_t(m_phase)]);
    }
}

} // namespace verbalink
