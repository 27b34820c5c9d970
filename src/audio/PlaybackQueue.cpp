#include "audio/PlaybackQueue.h"

#include <algorithm>
#include <cstring>

namespace verbalink {

bool PlaybackQueue::push(QByteArrayView block)
{
    if (block.isEmpty() || block.size() % 2 != 0)
        return false;
    std::lock_guard guard(m_lock);
    if (qsizetype(m_blocks.size()) >= MaxBlocks)
        return false;
    m_blocks.emplace_back(block.data(), block.size());
    return true;
}

qsizetype PlaybackQueue::pull(qint16* out, qsizetype frames)
{
    auto* bytes = reinterpret_cast<char*>(out);
    const qsizetype wanted = frames * 2;
    qsizetype filled = 0;
    {
        std::lock_guard guard(m_lock);
        while (filled < wanted && !m_blocks.empty()) {
            const QByteArray& front = m_blocks.front();
            const qsizetype piece = std::min(wanted - filled, front.size() - m_offset);
            std::memcpy(bytes + filled, front.constData() + m_offset, piece);
            filled += piece;
            m_offset += piece;
            if (m_offset == front.size()) {
                m_blocks.pop_front();
                m_offset = 0;
            }
        }
    }
    std::memset(bytes + filled, 0, wanted - filled);
    return filled / 2;
}

qsizetype PlaybackQueue::blocks() const
{
    std::lock_guard guard(m_lock);
    return qsizetype(m_blocks.size());
}

void PlaybackQueue::clear()
{
    std::lock_guard guard(m_lock);
    m_blocks.clear();
    m_offset = 0;
}

} // namespace verbalink
