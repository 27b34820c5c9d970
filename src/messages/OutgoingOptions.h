#pragma once

#include <atomic>

namespace verbalink {

// The switches of the outgoing flow: set by the menu commands on the main thread, read by the
// message worker at the moment each step needs them.
class OutgoingOptions {
public:
    void setTranslationEnabled(bool on) { m_translation = on; }
    void setSpellCheckEnabled(bool on) { m_spellCheck = on; }
    void setShowFlags(bool on) { m_flags = on; }
    void setShowTransliteration(bool on) { m_transliteration = on; }
    void setHideOriginal(bool on) { m_hideOriginal = on; }

    bool translationEnabled() const { return m_translation; }
    bool spellCheckEnabled() const { return m_spellCheck; }
    bool showFlags() const { return m_flags; }
    bool showTransliteration() const { return m_transliteration; }
    bool hideOriginal() const { return m_hideOriginal; }

private:
    std::atomic<bool> m_translation{true};
    std::atomic<bool> m_spellCheck{false};
    std::atomic<bool> m_flags{false};
    std::atomic<bool> m_transliteration{false};
    // Not stored: every start shows the original again.
    std::atomic<bool> m_hideOriginal{false};
};

} // namespace verbalink
