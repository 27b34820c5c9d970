#include "langtools/SuggestionRing.h"

namespace verbalink {

QString SuggestionRing::next()
{
    if (m_words.isEmpty())
        return {};
    m_index = (m_index + 1) % m_words.size();
    return m_words[m_index];
}

} // namespace verbalink
