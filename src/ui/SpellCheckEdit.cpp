#include "ui/SpellCheckEdit.h"

#include "langtools/SpellChecker.h"

#include <QKeyEvent>
#include <QTextCursor>
#include <QTextDocument>

namespace verbalink {

namespace {

bool isControlTab(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Tab && (key.modifiers() & Qt::ControlModifier);
}

} // namespace

SpellCheckEdit::SpellCheckEdit(const SpellChecker& checker, QWidget* parent)
    : QTextEdit(parent), m_checker(checker),
      m_cycle([&checker](const QString& word) { return checker.suggestions(word); })
{
    setAcceptRichText(false);
    // Tab moves on to the buttons; a tab character has no place in a chat message.
    setTabChangesFocus(true);
    setLineWrapMode(QTextEdit::WidgetWidth);
}

void SpellCheckEdit::setCheckedText(const QString& text)
{
    setPlainText(text);
    underline();
}

void SpellCheckEdit::underline()
{
    // Drawn over the text rather than written into it, so undo and the text stay the user's.
    QTextCharFormat wrong;
    wrong.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    wrong.setUnderlineColor(Qt::red);
    QList<ExtraSelection> marks;
    // Plain text positions are the document's: each line break is one position in both.
    for (const WordSpan& word : m_checker.misspelled(toPlainText())) {
        QTextCursor cursor(document());
        cursor.setPosition(int(word.start));
        cursor.setPosition(int(word.start + word.length), QTextCursor::KeepAnchor);
        marks.append({cursor, wrong});
    }
    setExtraSelections(marks);
}

bool SpellCheckEdit::event(QEvent* event)
{
    // CTRL-TAB would otherwise move the focus; here it never reaches the text either.
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (isControlTab(*key)) {
            if (event->type() == QEvent::KeyPress)
                replaceWithNextSuggestion();
            event->accept();
            return true;
        }
    }
    return QTextEdit::event(event);
}

void SpellCheckEdit::keyReleaseEvent(QKeyEvent* event)
{
    const bool controlDown =
        (event->modifiers() & Qt::ControlModifier) && event->key() != Qt::Key_Control;
    if (controlDown) {
        QTextEdit::keyReleaseEvent(event);
        return;
    }
    m_cycle.end();
    underline();
    setFocus();
}

void SpellCheckEdit::replaceWithNextSuggestion()
{
    const bool cycling = m_cycle.active();
    const QTextCursor cursor = textCursor();
    const EditorText current{toPlainText(), cursor.selectionStart(),
                             cursor.selectionEnd() - cursor.selectionStart()};
    const std::optional<EditorText> next = m_cycle.press(current);
    if (!next)
        return;
    // The text around the word stays as it is; only the word is replaced, through the cursor,
    // so the undo history is kept and one undo brings back the word as it was typed.
    const qsizetype suffix = next->text.size() - next->selectionStart - next->selectionLength;
    QTextCursor edit(document());
    if (cycling)
        edit.joinPreviousEditBlock();
    else
        edit.beginEditBlock();
    edit.setPosition(int(next->selectionStart));
    edit.setPosition(int(current.text.size() - suffix), QTextCursor::KeepAnchor);
    edit.insertText(next->text.mid(next->selectionStart, next->selectionLength));
    edit.endEditBlock();
    edit.setPosition(int(next->selectionStart));
    edit.setPosition(int(next->selectionStart + next->selectionLength), QTextCursor::KeepAnchor);
    setTextCursor(edit);
}

} // namespace verbalink
