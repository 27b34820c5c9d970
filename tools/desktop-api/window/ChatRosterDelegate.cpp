#include "ChatRosterDelegate.h"

#include "ChatAvatarArt.h"
#include "ChatRosterModel.h"

#include <QPainter>

using namespace Qt::StringLiterals;

namespace verbalink::desktopapi {

namespace {

constexpr int AvatarSize = 40;
constexpr int Margin = 12;

QString oneLine(QString text)
{
    text.replace(u"\r\n"_s, u" "_s);
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

void paintBackground(QPainter& painter, const QStyleOptionViewItem& option)
{
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const bool hovered = option.state.testFlag(QStyle::State_MouseOver);
    if (!selected && !hovered)
        return;
    painter.setPen(Qt::NoPen);
    painter.setBrush(selected ? QColor(0xe3, 0xec, 0xfd) : QColor(0xf2, 0xf5, 0xf9));
    painter.drawRoundedRect(QRectF(option.rect).adjusted(6, 2, -6, -2), 10, 10);
}

QPixmap avatarOf(const QModelIndex& index, qreal pixelRatio)
{
    if (index.data(ChatRosterModel::GroupRole).toBool())
        return ChatAvatarArt::group(AvatarSize, pixelRatio);
    return ChatAvatarArt::person(index.data(ChatRosterModel::KeyRole).toString(),
                                 index.data(ChatRosterModel::NameRole).toString(),
                                 index.data(ChatRosterModel::PictureImageRole).value<QImage>(),
                                 AvatarSize, pixelRatio);
}

// A small rounded label; returns its width.
int paintChip(QPainter& painter, const QRect& area, const QString& text, const QColor& fill,
              const QColor& ink)
{
    const QFontMetrics metrics(painter.font());
    const int width = std::max(area.height(), metrics.horizontalAdvance(text) + 12);
    const QRect chip(area.right() + 1 - width, area.top(), width, area.height());
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(chip, area.height() / 2.0, area.height() / 2.0);
    painter.setPen(ink);
    painter.drawText(chip, Qt::AlignCenter, text);
    return width;
}

} // namespace

void ChatRosterDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    paintBackground(*painter, option);
    const QRect row = option.rect;
    const int avatarTop = row.top() + (row.height() - AvatarSize) / 2;
    painter->drawPixmap(row.left() + Margin, avatarTop,
                        avatarOf(index, painter->device()->devicePixelRatioF()));

    const int textLeft = row.left() + Margin + AvatarSize + 10;
    const int textRight = row.right() - Margin;
    QFont small = option.font;
    small.setPointSizeF(option.font.pointSizeF() * 0.85);
    const int lineHeight = QFontMetrics(option.font).height();
    const QRect top(textLeft, row.top() + 10, textRight - textLeft, lineHeight);
    const QRect bottom(textLeft, top.bottom() + 3, top.width(), QFontMetrics(small).height());

    painter->setFont(small);
    int chipsWidth = 0;
    const QString language = index.data(ChatRosterModel::LanguageRole).toString();
    if (!language.isEmpty())
        chipsWidth = paintChip(*painter, top.adjusted(0, 1, 0, -1), language,
                               QColor(0xee, 0xf1, 0xf5), QColor(0x52, 0x60, 0x6d));
    const int unread = index.data(ChatRosterModel::UnreadRole).toInt();
    int badgeWidth = 0;
    if (unread > 0)
        badgeWidth = paintChip(*painter, bottom, QString::number(unread), QColor(0x2f, 0x6f, 0xed),
                               Qt::white);

    QFont bold = option.font;
    bold.setBold(true);
    painter->setFont(bold);
    painter->setPen(QColor(0x1f, 0x29, 0x33));
    const QRect nameArea = top.adjusted(0, 0, -chipsWidth - 6, 0);
    painter->drawText(
        nameArea, Qt::AlignLeft | Qt::AlignVCenter,
        QFontMetrics(bold).elidedText(index.data(ChatRosterModel::NameRole).toString(),
                                      Qt::ElideRight, nameArea.width()));

    painter->setFont(small);
    painter->setPen(QColor(0x7b, 0x87, 0x94));
    const QRect previewArea = bottom.adjusted(0, 0, badgeWidth > 0 ? -badgeWidth - 6 : 0, 0);
    const QString preview = oneLine(index.data(ChatRosterModel::PreviewRole).toString());
    painter->drawText(
        previewArea, Qt::AlignLeft | Qt::AlignVCenter,
        QFontMetrics(small).elidedText(preview.isEmpty() ? u"No messages yet"_s : preview,
                                       Qt::ElideRight, previewArea.width()));
    painter->restore();
}

QSize ChatRosterDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    return {option.rect.width(), RowHeight};
}

} // namespace verbalink::desktopapi
