#pragma once

#include "ChatTextBlock.h"

#include <QFont>
#include <QModelIndex>
#include <QRect>
#include <QString>

class QPainter;

namespace verbalink::desktopapi {

// One message as the chat view draws it, laid out for the view's width: the author line, the
// bubble (the user's own on the right), the author's picture beside other people's, and a note
// when a program replaced the body. The size and the painting come from the same layout, so a
// row is always as tall as what is painted in it.
class ChatBubble {
public:
    ChatBubble(const QModelIndex& index, const QFont& font, int width);

    int height() const { return m_height; }
    // Paints into a row of the view whose top left is origin.
    void paint(QPainter& painter, const QPoint& origin, qreal pixelRatio) const;
    // The check marks after the time of the user's own message: one when the network took it,
    // two when the partner's client confirmed it got it; none while it is being sent.
    static QString deliveryMark(const QString& status, bool delivered);

private:
    QString caption() const;
    QString note() const;

    QModelIndex m_index;
    bool m_own;
    bool m_posted;
    QFont m_font;
    QFont m_smallFont;
    ChatTextBlock m_text;
    QRect m_caption;
    QRect m_bubble;
    QRect m_avatar;
    QRect m_note;
    int m_height = 0;
};

} // namespace verbalink::desktopapi
