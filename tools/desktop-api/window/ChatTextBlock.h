#pragma once

#include <QFont>
#include <QSize>
#include <QString>
#include <QTextLayout>

class QPainter;

namespace verbalink::desktopapi {

// A text laid out in lines no wider than a width. Long words are broken where they must be: an
// encrypted body is one long word. CR LF and CR end a line as LF does.
class ChatTextBlock {
public:
    ChatTextBlock(const QString& text, const QFont& font, int maxWidth);
    ChatTextBlock(const ChatTextBlock&) = delete;
    ChatTextBlock& operator=(const ChatTextBlock&) = delete;

    QSize size() const { return m_size; }
    void draw(QPainter& painter, const QPoint& topLeft) const;

private:
    QTextLayout m_layout;
    QSize m_size;
};

} // namespace verbalink::desktopapi
