#include "audio/AlienReversal.h"

#include <algorithm>

namespace verbalink {

AlienReversal::AlienReversal() : m_buffer(size_t(Capacity)) {}

qsizetype AlienReversal::process(std::span<const qint16> block, std::span<qint16> out)
{
    qsizetype written = 0;
    // A block larger than the buffer is taken piece by piece rather than overrunning it.
    while (!block.empty()) {
        const size_t room = size_t(Capacity - m_fill);
        const size_t count = std::min(room, block.size());
        std::copy_n(block.begin(), count, m_buffer.begin() + m_fill);
        m_fill += qsizetype(count);
        block = block.subspan(count);
        if (m_fill >= Piece)
            written += emit(out.subspan(size_t(written)));
    }
    return written;
}

qsizetype AlienReversal::emit(std::span<qint16> out)
{
    const qsizetype h = m_fill;
    for (qsizetype k = 0; k < h; ++k) {
        int sample = m_buffer[size_t(h - 1 - k)];
        if (k < Ramp)
            sample = sample * int(k) / int(Ramp);
        else if (k >= h - Ramp)
            sample = sample * int(h - k) / int(Ramp);
        out[size_t(k)] = qint16(sample);
    }
    m_fill = 0;
    return h;
}

} // namespace verbalink
