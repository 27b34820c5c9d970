#include "ChatTextBlock.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextOption>
#include <cmath>

namespace verbalink::desktopapi {

namespace {

QString withLineSeparators(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    // QTextLayout breaks lines at U+2028, not at LF.
    text.replace(u'\n', QChar::LineSeparator);
    return text;
}

} // namespace

ChatTextBlock::ChatTextBlock(const QString& text, const QFont& font, int maxWidth)
    : m_layout(withLineSeparators(text), font)
{
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_layout.setTextOption(option);
    const int leading = QFontMetrics(font).leading();
    qreal height = 0;
    qreal width = 0;
    m_layout.beginLayout();
    for (QTextLine line = m_layout.createLine(); line.isValid(); line = m_layout.createLine()) {
        line.setLineWidth(std::max(1, maxWidth));
        line.setPosition(QPointF(0, height));
        height += line.height() + leading;
        width = std::max(width, line.naturalTextWidth());
    }
    m_layout.endLayout();
    m_size = QSize(int(std::ceil(width)), int(std::ceil(height)));
}

void ChatTextBlock::draw(QPainter& painter, const QPoint& topLeft) const
{
    m_layout.draw(&painter, topLeft);
}

} // namespace verbalink::desktopapi
