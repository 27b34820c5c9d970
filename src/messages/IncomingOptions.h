#pragma once

#include <atomic>

namespace verbalink {

// Where incoming translations are shown: posted into the chat, or (off) in the list of
// translated messages. Set on the main thread, read by the incoming threads.
class IncomingOptions {
public:
    void setTranslateInChat(bool on) { m_inChat = on; }
    bool translateInChat() const { return m_inChat; }

private:
    std::atomic<bool> m_inChat{false};
};

} // namespace verbalink
