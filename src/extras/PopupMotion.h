#pragma once

#include <QRect>
#include <QSize>

namespace verbalink {

// Which side of the screen holds the panel, and how much room it takes there.
struct PanelPlace {
    enum class Edge { Bottom, Top, Left, Right };
    Edge edge = Edge::Bottom;
    int width = 0;
    int height = 0;

    // Read from the screen and the part of it windows may cover; with no panel at all a bottom
    // panel 25 pixels high is assumed.
    static PanelPlace find(const QRect& screen, const QRect& available);
};

// Where a popup stands on its way out of the panel: it grows sideways from an anchor on the
// panel side while its edge towards the panel stays fixed, `offset` pixels away from it.
class PopupMotion {
public:
    PopupMotion(const QRect& screen, const PanelPlace& panel, QSize size);

    // Frames until the popup has its full width (two pixels wider each).
    int growFrames() const { return (m_size.width() + 1) / 2; }
    QRect grownTo(int frame, int offset) const;
    QRect fullSize(int offset) const;

private:
    QRect place(int frame, int width, int height, int offset) const;

    QRect m_screen;
    PanelPlace m_panel;
    QSize m_size;
};

} // namespace verbalink
