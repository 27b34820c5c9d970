#pragma once

#include "skype/MessageFeatures.h"

#include <atomic>

namespace verbalink {

// The feature switches as the program holds them, for the message flows on any thread. The
// owner of each switch sets it here when it changes; features not built yet stay off.
class AppMessageFeatures final : public MessageFeatures {
public:
    void setTranslationEnabled(bool on) { m_translation = on; }
    void setIncomingTranslationEnabled(bool on) { m_incomingTranslation = on; }
    void setAvatarSize(int pixels) { m_avatarSize = pixels; }
    void setRobotUsersExist(bool exist) { m_robotUsers = exist; }

    bool translationEnabled() const override { return m_translation; }
    bool spellCheckEnabled() const override { return false; }
    bool encryptionEnabled() const override { return false; }
    bool incomingTranslationEnabled() const override { return m_incomingTranslation; }
    bool speechEnabled() const override { return false; }
    int avatarSize() const override { return m_avatarSize; }
    bool robotUsersExist() const override { return m_robotUsers; }
    bool filterExcludes(const QString&) const override { return false; }

private:
    std::atomic<bool> m_translation{true};
    std::atomic<bool> m_incomingTranslation{false};
    std::atomic<int> m_avatarSize{0};
    std::atomic<bool> m_robotUsers{false};
};

} // namespace verbalink
