#pragma once

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
    void setRobotUsersExist(bool exist) { m_robotUsers = exist; }
    void setEncryptionEnabled(bool on) { m_encryption = on; }
    void setSpellCheckEnabled(bool on) { m_spellCheck = on; }
    void setSpeechEnabled(bool on) { m_speech = on; }
    // The filter must outlive these switches; set once at start-up.
    void setFilter(const TranslationFilter* filter) { m_filter = filter; }

    bool translationEnabled() const override { return m_translation; }
    bool spellCheckEnabled() const override { return m_spellCheck; }
    bool encryptionEnabled() const override { return m_encryption; }
    bool incomingTranslationEnabled() const override { return m_incomingTranslation; }
    bool speechEnabled() const override { return m_speech; }
    int avatarSize() const override { return m_avatarSize; }
    bool robotUsersExist() const override { return m_robotUsers; }
    bool filterExcludes(const QString& handle) const override
    {
        const TranslationFilter* filter = m_filter;
        return filter && filter->filterExcludes(handle);
    }

private:
    std::atomic<bool> m_translation{true};
    std::atomic<bool> m_incomingTranslation{false};
    std::atomic<int> m_avatarSize{0};
    std::atomic<bool> m_robotUsers{false};
    std::atomic<bool> m_encryption{false};
    std::atomic<bool> m_spellCheck{false};
    std::atomic<bool> m_speech{false};
    std::atomic<const TranslationFilter*> m_filter{nullptr};
};

} // namespace verbalink
