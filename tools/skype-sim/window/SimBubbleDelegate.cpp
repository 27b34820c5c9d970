#include "SimBubbleDelegate.h"

#include "SimBubble.h"

#include <QAbstractItemView>
#include <QPainter>

namespace verbalink::sim {

void SimBubbleDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const
{
    const SimBubble bubble(index, option.font, rowWidth(option));
    bubble.paint(*painter, option.rect.topLeft(), painter->device()->devicePixelRatioF());
}

QSize SimBubbleDelegate::sizeHint(const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const
{
    const int width = rowWidth(option);
    return {width, SimBubble(index, option.font, width).height()};
}

// Rows span the view, whatever width the view asks about.
int SimBubbleDelegate::rowWidth(const QStyleOptionViewItem& option)
{
    if (const auto* view = qobject_cast<const QAbstractItemView*>(option.widget))
        return view->viewport()->width();
    return option.rect.width();
}

} // namespace verbalink::sim
