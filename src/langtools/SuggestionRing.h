#pragma once

#include <QStringList>

namespace verbalink {

// The replacements CTRL-TAB cycles through: the word as typed first, then the dictionary's
// suggestions in its order. Each next() moves on and wraps back to the word as typed.
class SuggestionRing {
public:
    SuggestionRing() = default;
    explicit SuggestionRing(QStringList words) : m_words(std::move(words)) {}

    const QStringList& words() const { return m_words; }
    bool isEmpty() const { return m_words.isEmpty(); }
    // The next element; an empty ring gives an empty string.
    QString next();

private:
    QStringList m_words;
    qsizetype m_index = 0;
};

} // namespace verbalink
