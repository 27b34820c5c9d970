#include "langtools/SuggestionCycle.h"

namespace verbalink {

std::optional<EditorText> SuggestionCycle::press(const EditorText& current)
{
    if (!m_active) {
        const qsizetype start =
            std::clamp<qsizetype>(current.selectionStart, 0, current.text.size());
        QString word = current.text.mid(start, current.selectionLength);
        const qsizetype space = word.indexOf(u' ');
        if (space >= 0)
            word.truncate(space);
        if (word.isEmpty())
            return std::nullopt;
        m_prefix = current.text.left(start);
        m_suffix = current.text.mid(start + word.size());
        m_ring = m_suggest(word);
        if (m_ring.isEmpty())
            m_ring = SuggestionRing({word});
        m_active = true;
    }
    const QString inserted = m_ring.next();
    return EditorText{m_prefix + inserted + m_suffix, m_prefix.size(), inserted.size()};
}

} // namespace verbalink
