#pragma once

#include <QtGlobal>
#include <mutex>
#include <optional>
#include <vector>

namespace verbalink {

// The popups on screen in order of appearance, each with its distance from the panel edge.
// Every popup's animation reads and changes it, so each call takes the stack's own lock.
class PopupStack {
public:
    // Places a popup `height` pixels high beyond the last one, or back at the edge when it would
    // not fit into `screenHeight`; returns the popup's serial number.
    quint64 push(int height, int screenHeight);
    // The popup's current distance from the edge; nothing once it left.
    std::optional<int> offsetOf(quint64 serial) const;
    // Takes the popup out; the later ones move towards the edge to close the gap.
    void remove(quint64 serial, int screenHeight);
    qsizetype size() const;

private:
    struct Slot {
        int height;
        int offset;
        quint64 serial;
    };

    mutable std::mutex m_mutex;
    std::vector<Slot> m_slots;
    quint64 m_nextSerial = 0;
};

} // namespace verbalink
