#include "audio/CallAudioConnection.h"

#include <algorithm>

namespace verbalink {

CallAudioConnection::CallAudioConnection(std::function<void()> wake) : m_wake(std::move(wake))
{
    m_bytes.reserve(Capacity);
}

qsizetype CallAudioConnection::append(QByteArrayView bytes)
{
    std::lock_guard guard(m_lock);
    if (m_skipByte && !bytes.isEmpty()) {
        bytes = bytes.sliced(1);
        m_skipByte = false;
        ++m_dropped;
    }
    const bool wasEmpty = m_bytes.isEmpty();
    const qsizetype kept = std::min(bytes.size(), Capacity - m_bytes.size());
    m_bytes.append(bytes.first(kept));
    const qsizetype lost = bytes.size() - kept;
    m_dropped += lost;
    m_skipByte = lost % 2 != 0;
    // Under the lock, so markClosed() can retire the hook before its server goes away.
    if (kept > 0 && wasEmpty && m_wake)
        m_wake();
    return kept;
}

QByteArray CallAudioConnection::take(qsizetype max)
{
    QByteArray front;
    take(front, max);
    return front;
}

void CallAudioConnection::take(QByteArray& into, qsizetype max)
{
    std::lock_guard guard(m_lock);
    const qsizetype count = std::clamp<qsizetype>(max, 0, m_bytes.size());
    into.resize(count);
    std::copy_n(m_bytes.constData(), count, into.data());
    m_bytes.remove(0, count);
    m_seen = std::max<qsizetype>(0, m_seen - count);
}

qsizetype CallAudioConnection::takeUnseen(char* bytes, qsizetype max, bool keep)
{
    std::lock_guard guard(m_lock);
    qsizetype unseen = std::max<qsizetype>(m_bytes.size() - m_seen, 0);
    unseen -= unseen % 2;
    const qsizetype count = std::clamp<qsizetype>(max - max % 2, 0, unseen);
    const qsizetype passed = unseen - count;
    std::copy_n(m_bytes.constData() + m_seen + passed, count, bytes);
    if (keep) {
        m_seen += passed + count;
    } else {
        m_bytes.remove(0, m_seen + passed + count);
        m_seen = 0;
    }
    m_keepingSeen = keep;
    return count;
}

qsizetype CallAudioConnection::recordable() const
{
    std::lock_guard guard(m_lock);
    return m_keepingSeen ? m_seen : m_bytes.size();
}

void CallAudioConnection::releaseSeen()
{
    std::lock_guard guard(m_lock);
    m_keepingSeen = false;
}

qsizetype
CallAudioConnection::drainInto(const std::function<qsizetype(const char*, qsizetype)>& send)
{
    std::lock_guard guard(m_lock);
    if (m_bytes.isEmpty())
        return 0;
    const qsizetype sent = send(m_bytes.constData(), m_bytes.size());
    if (sent > 0)
        m_bytes.remove(0, std::min(sent, m_bytes.size()));
    return sent;
}

qsizetype CallAudioConnection::held() const
{
    std::lock_guard guard(m_lock);
    return m_bytes.size();
}

qint64 CallAudioConnection::dropped() const
{
    std::lock_guard guard(m_lock);
    return m_dropped;
}

bool CallAudioConnection::isOpen() const
{
    std::lock_guard guard(m_lock);
    return m_open;
}

void CallAudioConnection::markClosed()
{
    std::lock_guard guard(m_lock);
    m_open = false;
    m_wake = {};
}

} // namespace verbalink
