#pragma once

#include <QStyledItemDelegate>

namespace verbalink::desktopapi {

// Draws the chat view's rows as message bubbles (see ChatBubble).
class ChatBubbleDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    static int rowWidth(const QStyleOptionViewItem& option);
};

} // namespace verbalink::desktopapi
