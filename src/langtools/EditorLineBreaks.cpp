#include "langtools/EditorLineBreaks.h"

namespace verbalink {

namespace {

constexpr QChar ParagraphBreak = QChar::ParagraphSeparator;

QString firstLineBreak(const QString& message)
{
    for (qsizetype i = 0; i < message.size(); ++i) {
        if (message[i] == u'\n')
            return QStringLiteral("\n");
        if (message[i] == u'\r')
            return message.mid(i + 1, 1) == u"\n" ? QStringLiteral("\r\n") : QStringLiteral("\r");
    }
    return QStringLiteral("\r\n");
}

} // namespace

EditorLineBreaks::EditorLineBreaks(QString message)
    : m_message(std::move(message)), m_inEditor(toEditor(m_message)),
      m_lineBreak(firstLineBreak(m_message))
{}

QString EditorLineBreaks::toEditor(const QString& message)
{
    QString text;
    text.reserve(message.size());
    for (qsizetype i = 0; i < message.size(); ++i) {
        const QChar c = message[i];
        if (c == u'\r' && i + 1 < message.size() && message[i + 1] == u'\n')
            continue;
        text += c == u'\r' || c == u'\n' ? ParagraphBreak : c;
    }
    return text;
}

QString EditorLineBreaks::toMessage(const QString& editorText) const
{
    if (editorText == m_inEditor)
        return m_message;
    return QString(editorText).replace(ParagraphBreak, m_lineBreak);
}

} // namespace verbalink
