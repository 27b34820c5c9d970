#pragma once

#include "langtools/SuggestionCycle.h"

#include <QTextEdit>

namespace verbalink {

class SpellChecker;

// The spell-check dialog's editor: misspelled words carry a red wavy underline, renewed when a
// key is released; CTRL-TAB replaces the selected word by its next suggestion.
class SpellCheckEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit SpellCheckEdit(const SpellChecker& checker, QWidget* parent = nullptr);

    // Shows the text with its misspelled words underlined.
    void setCheckedText(const QString& text);
    // Underlines the misspelled words of the current text again.
    void underline();

protected:
    bool event(QEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void replaceWithNextSuggestion();

    const SpellChecker& m_checker;
    SuggestionCycle m_cycle;
};

} // namespace verbalink
