#include "ChatView.h"

#include "ChatBubbleDelegate.h"

#include <QScrollBar>
#include <QTimer>

namespace verbalink::desktopapi {

ChatView::ChatView(QWidget* parent) : QListView(parent)
{
    setItemDelegate(new ChatBubbleDelegate(this));
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

void ChatView::showNewest()
{
    relayout(true);
}

void ChatView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                           const QList<int>& roles)
{
    QListView::dataChanged(topLeft, bottomRight, roles);
    relayout(atBottom());
}

void ChatView::rowsInserted(const QModelIndex& parent, int start, int end)
{
    const bool follow = atBottom();
    QListView::rowsInserted(parent, start, end);
    relayout(follow);
}

void ChatView::resizeEvent(QResizeEvent* event)
{
    const bool follow = atBottom();
    QListView::resizeEvent(event);
    relayout(follow);
}

bool ChatView::atBottom() const
{
    return verticalScrollBar()->value() >= verticalScrollBar()->maximum() - 4;
}

void ChatView::relayout(bool follow)
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

} // namespace verbalink::desktopapi
