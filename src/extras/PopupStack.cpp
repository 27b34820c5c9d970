#include "extras/PopupStack.h"

#include <algorithm>

namespace verbalink {

namespace {

// Beyond the screen a popup starts again at the edge, over the first one.
int fitOffset(int offset, int height, int screenHeight)
{
    return offset + height > screenHeight ? 0 : offset;
}

} // namespace

quint64 PopupStack::push(int height, int screenHeight)
{
    std::lock_guard lock(m_mutex);
    int offset = 0;
    if (!m_slots.empty()) {
        const Slot& last = m_slots.back();
        offset = fitOffset(last.offset + last.height, height, screenHeight);
    }
    const quint64 serial = ++m_nextSerial;
    m_slots.push_back({height, offset, serial});
    return serial;
}

std::optional<int> PopupStack::offsetOf(quint64 serial) const
{
    std::lock_guard lock(m_mutex);
    const auto it = std::ranges::find(m_slots, serial, &Slot::serial);
    if (it == m_slots.end())
        return std::nullopt;
    return it->offset;
}

void PopupStack::remove(quint64 serial, int screenHeight)
{
    std::lock_guard lock(m_mutex);
    const auto it = std::ranges::find(m_slots, serial, &Slot::serial);
    if (it == m_slots.end())
        return;
    const auto next = m_slots.erase(it);
    int upTo = next == m_slots.begin() ? 0 : std::prev(next)->offset + std::prev(next)->height;
    for (auto later = next; later != m_slots.end(); ++later) {
        later->offset = fitOffset(upTo, later->height, screenHeight);
        upTo = later->offset + later->height;
    }
}

qsizetype PopupStack::size() const
{
    std::lock_guard lock(m_mutex);
    return qsizetype(m_slots.size());
}

} // namespace verbalink
