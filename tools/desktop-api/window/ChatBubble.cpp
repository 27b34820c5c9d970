#include "ChatBubble.h"

#include "ChatAvatarArt.h"
#include "ChatMessageModel.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTime>

using namespace Qt::StringLiterals;

namespace verbalink::desktopapi {

namespace {

constexpr int Side = 16;
constexpr int AvatarSize = 30;
constexpr int AvatarGap = 8;
constexpr int PadX = 12;
constexpr int PadY = 8;
constexpr int Gap = 3;
constexpr int RowPad = 5;
constexpr qreal Radius = 14;

QFont smaller(QFont font)
{
    font.setPointSizeF(font.pointSizeF() * 0.85);
    return font;
}

int bubbleWidthLimit(int width)
{
    return std::max(80, std::min(width * 72 / 100, width - 2 * Side - AvatarSize - AvatarGap));
}

QString program(const QModelIndex& index)
{
    const QString name = index.data(ChatMessageModel::ProgramRole).toString();
    return name.isEmpty() ? u"a program"_s : name;
}

} // namespace

ChatBubble::ChatBubble(const QModelIndex& index, const QFont& font, int width)
    : m_index(index), m_own(index.data(ChatMessageModel::OwnRole).toBool()),
      m_posted(index.data(ChatMessageModel::PostedRole).toBool()), m_font(font),
      m_smallFont(smaller(font)), m_text(index.data(ChatMessageModel::BodyRole).toString(), font,
                                         bubbleWidthLimit(width) - 2 * PadX)
{
    const QFontMetrics small(m_smallFont);
    const QSize bubble = m_text.size() + QSize(2 * PadX, 2 * PadY);
    const int left = m_own ? width - Side - bubble.width() : Side + AvatarSize + AvatarGap;
    int top = RowPad;

    const int captionWidth = small.horizontalAdvance(caption());
    m_caption =
        QRect(m_own ? width - Side - captionWidth : left, top, captionWidth, small.height());
    top += m_caption.height() + Gap;
    m_bubble = QRect(QPoint(left, top), bubble);
    top += bubble.height();
    if (!m_own)
        m_avatar = QRect(Side, m_bubble.bottom() + 1 - AvatarSize, AvatarSize, AvatarSize);
    if (!note().isEmpty()) {
        const int noteWidth = small.horizontalAdvance(note());
        top += Gap;
        m_note = QRect(m_own ? width - Side - noteWidth : left, top, noteWidth, small.height());
        top += m_note.height();
    }
    m_height = top + RowPad;
}

QString ChatBubble::deliveryMark(const QString& status, bool delivered)
{
    if (delivered)
        return u"\u2713\u2713"_s;
    return status == u"SENT" ? u"\u2713"_s : QString();
}

QString ChatBubble::caption() const
{
    QString time = m_index.data(ChatMessageModel::TimeRole).toTime().toString(u"HH:mm"_s);
    if (m_own) {
        const QString mark = deliveryMark(m_index.data(ChatMessageModel::StatusRole).toString(),
                                          m_index.data(ChatMessageModel::DeliveredRole).toBool());
        if (!mark.isEmpty())
            time += u' ' + mark;
    }
    const QString author = m_index.data(ChatMessageModel::AuthorNameRole).toString();
    if (m_posted)
        return author + u" · posted by "_s + program(m_index) + u" · "_s + time;
    return author + u" · "_s + time;
}

QString ChatBubble::note() const
{
    if (m_index.data(ChatMessageModel::ReplacedRole).toBool())
        return u"\u270E replaced by "_s + program(m_index);
    if (m_index.data(ChatMessageModel::EditedRole).toBool())
        return u"\u270E edited"_s;
    return {};
}

void ChatBubble::paint(QPainter& painter, const QPoint& origin, qreal pixelRatio) const
{
    painter.save();
    painter.translate(origin);
    painter.setRenderHint(QPainter::Antialiasing);

    painter.setFont(m_smallFont);
    painter.setPen(QColor(0x7b, 0x87, 0x94));
    painter.drawText(m_caption, Qt::AlignLeft | Qt::AlignVCenter, caption());

    QColor fill(Qt::white);
    QColor ink(0x1f, 0x29, 0x33);
    QColor border(0xdd, 0xe3, 0xea);
    if (m_own && m_posted) {
        fill = QColor(0xd8, 0xf3, 0xe6);
        ink = QColor(0x12, 0x3d, 0x2b);
        border = QColor(0xb5, 0xe2, 0xcc);
    } else if (m_own) {
        fill = QColor(0x2f, 0x6f, 0xed);
        ink = QColor(Qt::white);
        border = fill;
    }
    painter.setPen(QPen(border, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(m_bubble).adjusted(0.5, 0.5, -0.5, -0.5), Radius, Radius);
    painter.setPen(ink);
    m_text.draw(painter, m_bubble.topLeft() + QPoint(PadX, PadY));

    if (!m_avatar.isNull()) {
        const QString author = m_index.data(ChatMessageModel::AuthorRole).toString();
        painter.drawPixmap(
            m_avatar.topLeft(),
            ChatAvatarArt::person(
                author, m_index.data(ChatMessageModel::AuthorNameRole).toString(),
                m_index.data(ChatMessageModel::AuthorPictureImageRole).value<QImage>(), AvatarSize,
                pixelRatio));
    }
    if (!m_note.isNull()) {
        painter.setFont(m_smallFont);
        painter.setPen(QColor(0x3f, 0x8f, 0x6b));
        painter.drawText(m_note, Qt::AlignLeft | Qt::AlignVCenter, note());
    }
    painter.restore();
}

} // namespace verbalink::desktopapi
