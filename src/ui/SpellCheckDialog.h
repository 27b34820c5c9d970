#pragma once

#include "langtools/EditorLineBreaks.h"

#include <QDialog>

class QPushButton;

namespace verbalink {

class SpellCheckEdit;
class SpellChecker;

// The spell-check dialog for one outgoing message: Send takes the edited text, Cancel lets the
// message go on as typed, Check underlines the misspelled words again. It opens above the
// window in front, as the chat window usually is.
class SpellCheckDialog : public QDialog {
    Q_OBJECT
public:
    SpellCheckDialog(const SpellChecker& checker, const QString& text, QWidget* parent = nullptr);

    // The editor's text as Send or Check last read it, with the message's own line breaks.
    QString resultText() const { return m_result; }
    SpellCheckEdit& editor() { return *m_editor; }
    QPushButton& sendButton() { return *m_send; }
    QPushButton& cancelButton() { return *m_cancel; }
    QPushButton& checkButton() { return *m_check; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void readBack();

    SpellCheckEdit* m_editor;
    QPushButton* m_send;
    QPushButton* m_cancel;
    QPushButton* m_check;
    EditorLineBreaks m_lineBreaks;
    QString m_result;
};

} // namespace verbalink
