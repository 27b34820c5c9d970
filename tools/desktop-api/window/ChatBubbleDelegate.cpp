#include "ChatBubbleDelegate.h"

#include "ChatBubble.h"

#include <QAbstractItemView>
#include <QPainter>

namespace verbalink::desktopapi {

void ChatBubbleDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const
{
    const ChatBubble bubble(index, option.font, rowWidth(option));
    bubble.paint(*painter, option.rect.topLeft(), painter->device()->devicePixelRatioF());
}

QSize ChatBubbleDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const
{
    const int width = rowWidth(option);
    return {width, ChatBubble(index, option.font, width).height()};
}

// Rows span the view, whatever width the view asks about.
int ChatBubbleDelegate::rowWidth(const QStyleOptionViewItem& option)
{
    if (const auto* view = qobject_cast<const QAbstractItemView*>(option.widget))
        return view->viewport()->width();
    return option.rect.width();
}

} // namespace verbalink::desktopapi
