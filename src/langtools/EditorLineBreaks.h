#pragma once

#include <QString>

namespace verbalink {

// A message's own line breaks across the spell-check editor, which keeps paragraphs instead:
// CR LF, CR and LF all become one paragraph separator (U+2029) there.
class EditorLineBreaks {
public:
    explicit EditorLineBreaks(QString message);

    // The editor's raw text as a message again. A text that reads as the message did is the
    // message itself, byte for byte; otherwise each paragraph break is written as the message
    // wrote its first one (CR LF, as the chat writes them, when it had none).
    QString toMessage(const QString& editorText) const;
    // The message as the editor holds it.
    static QString toEditor(const QString& message);

private:
    QString m_message;
    QString m_inEditor;
    QString m_lineBreak;
};

} // namespace verbalink
