#pragma once

#include <QStyledItemDelegate>

namespace verbalink::desktopapi {

// Draws a row of the conversation list: picture, name, language and the newest message, with
// a count of unread ones.
class ChatRosterDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    static constexpr int RowHeight = 60;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace verbalink::desktopapi
