#pragma once

#include "langtools/SuggestionRing.h"

#include <QString>
#include <functional>
#include <optional>

namespace verbalink {

// The editor's text and selection, as the CTRL-TAB replacement reads and writes them.
struct EditorText {
    QString text;
    qsizetype selectionStart = 0;
    qsizetype selectionLength = 0;
    bool operator==(const EditorText&) const = default;
};

// CTRL-TAB in the spell-check editor: the selected word (cut at its first space) is replaced by
// the next element of its suggestion ring. Presses while CTRL stays down cycle through the ring
// around the same text before and after; releasing CTRL ends the cycle.
class SuggestionCycle {
public:
    using Suggest = std::function<SuggestionRing(const QString& word)>;
    explicit SuggestionCycle(Suggest suggest) : m_suggest(std::move(suggest)) {}

    // One CTRL-TAB press: the new text with the inserted word selected, or nullopt when
    // nothing is selected and nothing changes.
    std::optional<EditorText> press(const EditorText& current);
    void end() { m_active = false; }
    bool active() const { return m_active; }

private:
    Suggest m_suggest;
    SuggestionRing m_ring;
    QString m_prefix;
    QString m_suffix;
    bool m_active = false;
};

} // namespace verbalink
