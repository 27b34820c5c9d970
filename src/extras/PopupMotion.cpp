#include "extras/PopupMotion.h"

namespace verbalink {

namespace {

constexpr int AssumedPanel = 25;

} // namespace

PanelPlace PanelPlace::find(const QRect& screen, const QRect& available)
{
    using Edge = PanelPlace::Edge;
    if (available.bottom() < screen.bottom())
        return {Edge::Bottom, screen.width(), screen.bottom() - available.bottom()};
    if (available.right() < screen.right())
        return {Edge::Right, screen.right() - available.right(), screen.height()};
    if (available.left() > screen.left())
        return {Edge::Left, available.left() - screen.left(), screen.height()};
    if (available.top() > screen.top())
        return {Edge::Top, screen.width(), available.top() - screen.top()};
    return {Edge::Bottom, AssumedPanel, AssumedPanel};
}

PopupMotion::PopupMotion(const QRect& screen, const PanelPlace& panel, QSize size)
    : m_screen(screen), m_panel(panel), m_size(size)
{}

QRect PopupMotion::grownTo(int frame, int offset) const
{
    const int width = 2 * frame;
    const int height = m_size.width() > 0 ? width * m_size.height() / m_size.width() : 0;
    return place(frame, width, height, offset);
}

QRect PopupMotion::fullSize(int offset) const
{
    return place(m_size.width() / 2, m_size.width(), m_size.height(), offset);
}

// Panels at the bottom and top grow the popup both ways from the middle of its final place; at
// the sides it grows upwards from the screen's bottom, away from the panel.
QRect PopupMotion::place(int frame, int width, int height, int offset) const
{
    const int screenWidth = m_screen.width();
    const int screenHeight = m_screen.height();
    int x = screenWidth - m_size.width() / 2 - frame;
    int top = screenHeight - height - offset;
    switch (m_panel.edge) {
    case PanelPlace::Edge::Bottom:
        top = screenHeight - m_panel.height - height - offset;
        break;
    case PanelPlace::Edge::Top:
        top = m_panel.height + offset;
        break;
    case PanelPlace::Edge::Left:
        x = m_panel.width;
        break;
    case PanelPlace::Edge::Right:
        x = screenWidth - m_panel.width - 2 * frame;
        break;
    }
    return QRect(m_screen.x() + x, m_screen.y() + top, width, height);
}

} // namespace verbalink
