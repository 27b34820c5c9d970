#pragma once

#include <functional>

namespace verbalink {

// Global hot keys of the desktop: a key with modifiers, grabbed for the whole session whatever
// window has the focus. Presses come back through the handler on the GUI thread.
class HotKeyPort {
public:
    // The modifiers as the stored choices combine them.
    enum Modifier { Alt = 1, Control = 2, Shift = 4 };

    virtual ~HotKeyPort() = default;
    // Grabs `key` (a Qt::Key) with the modifiers under `id`; false when the desktop has no
    // global keys or another client holds the combination.
    virtual bool grab(int id, int modifiers, int key) = 0;
    virtual void release(int id) = 0;
    // Whether the desktop offers global keys at all (an X11 session does, Wayland does not).
    virtual bool isAvailable() const = 0;
    void setPressHandler(std::function<void(int id)> handler) { m_pressed = std::move(handler); }

protected:
    void notifyPressed(int id) const
    {
        if (m_pressed)
            m_pressed(id);
    }

private:
    std::function<void(int)> m_pressed;
};

} // namespace verbalink
