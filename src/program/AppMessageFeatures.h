#pragma once

#include "extras/RobotUsers.h"
#include "skype/MessageFeatures.h"
#include "translate/filter/TranslationFilter.h"

#include <atomic>

namespace verbalink {

// The feature switches as the program holds them, for the message flows on any thread. The
// owner of each switch sets it here when it changes; features not built yet stay off.

class AppMessageFeatures final : public MessageFeatures {
public:
    void setTranslationEnabled(bool on) { m_translation = on; }
    void setIncomingTranslationEnabled(bool on) { m_incomingTranslation = on; }
    void setAvatarSize(int pixels) { m_avatarSize = pixels; }
    void setEncryptionEnabled(bool on) { m_encryption = on; }
    void setSpellCheckEnabled(bool on) { m_spellCheck = on; }
    void setSpeechEnabled(bool on) { m_speech = on; }
    // The filter and the robot's users must outlive these switches; set once at start-up.
    void setFilter(const TranslationFilter* filter) { m_filter = filter; }
    void setRobotUsers(const RobotUsers* users) { m_robotUsers = users; }

    bool translationEnabled() const override { return m_translation; }
    bool spellCheckEnabled() const override { return m_spellCheck; }
    bool encryptionEnabled() const override { return m_encryption; }
    bool incomingTranslationEnabled() const override { return m_incomingTranslation; }
    bool speechEnabled() const override { return m_speech; }
    int avatarSize() const override { return m_avatarSize; }
    // Asked of the list itself, so a contact put in talk mode is answered at once.
    bool robotUsersExist() const override
    {
        const RobotUsers* users = m_robotUsers;
        return users && !users->isEmpty();
    }
    bool filterExcludes(const QString& handle) const override
    {
        const TranslationFilter* filter = m_filter;
        return filter && filter->filterExcludes(handle);
    }

private:
    std::atomic<bool> m_translation{true};
    std::atomic<bool> m_incomingTranslation{false};
    std::atomic<int> m_avatarSize{0};
    std::atomic<bool> m_encryption{false};
    std::atomic<bool> m_spellCheck{false};
    std::atomic<bool> m_speech{false};
    std::atomic<const TranslationFilter*> m_filter{nullptr};
    std::atomic<const RobotUsers*> m_robotUsers{nullptr};
};

} // namespace verbalink
