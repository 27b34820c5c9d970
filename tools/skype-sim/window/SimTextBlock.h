#pragma once

#include <QFont>
#include <QSize>
#include <QString>
#include <QTextLayout>

class QPainter;

namespace verbalink::sim {

// A text laid out in lines no wider than a width. Long words are broken where they must be: an
// encrypted body is one long word. CR LF and CR end a line as LF does.
class SimTextBlock {
public:
    SimTextBlock(const QString& text, const QFont& font, int maxWidth);
    SimTextBlock(const SimTextBlock&) = delete;
    SimTextBlock& operator=(const SimTextBlock&) = delete;

    QSize size() const { return m_size; }
    void draw(QPainter& painter, const QPoint& topLeft) const;

private:
    QTextLayout m_layout;
    QSize m_size;
};

} // namespace verbalink::sim
