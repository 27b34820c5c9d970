#include "SimChatView.h"

#include "SimBubbleDelegate.h"

#include <QScrollBar>
#include <QTimer>

namespace verbalink::sim {

SimChatView::SimChatView(QWidget* parent) : QListView(parent)
{
    setItemDelegate(new SimBubbleDelegate(this));
    setSelectionMode(NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setVerticalScrollMode(ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setResizeMode(Adjust);
    setUniformItemSizes(false);
    setFrameShape(NoFrame);
    // Air above the first message and below the last.
    setViewportMargins(0, 8, 0, 8);
    verticalScrollBar()->setSingleStep(20);
}

void SimChatView::showNewest()
{
    relayout(true);
}

void SimChatView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                              const QList<int>& roles)
{
    QListView::dataChanged(topLeft, bottomRight, roles);
    relayout(atBottom());
}

void SimChatView::rowsInserted(const QModelIndex& parent, int start, int end)
{
    const bool follow = atBottom();
    QListView::rowsInserted(parent, start, end);
    relayout(follow);
}

void SimChatView::resizeEvent(QResizeEvent* event)
{
    const bool follow = atBottom();
    QListView::resizeEvent(event);
    relayout(follow);
}

bool SimChatView::atBottom() const
{
    return verticalScrollBar()->value() >= verticalScrollBar()->maximum() - 4;
}

void SimChatView::relayout(bool follow)
{
    m_follow = m_follow || follow;
    if (m_relayoutQueued)
        return;
    m_relayoutQueued = true;
    // Once per turn of the event loop, however many rows changed.
    QTimer::singleShot(0, this, [this] {
        m_relayoutQueued = false;
        doItemsLayout();
        if (std::exchange(m_follow, false))
            scrollToBottom();
    });
}

} // namespace verbalink::sim
