#pragma once

#include "platform/CommandId.h"

#include <atomic>

namespace verbalink {

// Values that other features set and the notification handlers read.
class LinkOptions {
public:
    // The command id of the chosen interface language; this one means "follow the client".
    static constexpr int AutomaticInterfaceLanguage = CommandId::InterfaceAutoDetect;

    int interfaceLanguageChoice() const { return m_interfaceLanguageChoice.load(); }
    void setInterfaceLanguageChoice(int commandId) { m_interfaceLanguageChoice.store(commandId); }

    // While a broadcast runs, pending messages are posted without opening their chats.
    bool broadcastRunning() const { return m_broadcastRunning.load(); }
    void setBroadcastRunning(bool running) { m_broadcastRunning.store(running); }

private:
    std::atomic<int> m_interfaceLanguageChoice{0};
    std::atomic<bool> m_broadcastRunning{false};
};

} // namespace verbalink
