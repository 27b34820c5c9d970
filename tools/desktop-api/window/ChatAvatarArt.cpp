#include "ChatAvatarArt.h"

#include <QPainter>
#include <QPainterPath>
#include <QStringList>

namespace verbalink::desktopapi {

namespace {

QPixmap canvas(int size, qreal pixelRatio)
{
    QPixmap pixmap(QSize(size, size) * pixelRatio);
    pixmap.setDevicePixelRatio(pixelRatio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void clipToCircle(QPainter& painter, int size)
{
    QPainterPath circle;
    circle.addEllipse(QRectF(0, 0, size, size));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipPath(circle);
}

} // namespace

QPixmap ChatAvatarArt::person(const QString& handle, const QString& name, const QImage& picture,
                              int size, qreal pixelRatio)
{
    QPixmap pixmap = canvas(size, pixelRatio);
    QPainter painter(&pixmap);
    clipToCircle(painter, size);
    const QRect area(0, 0, size, size);
    const bool hasPicture = !picture.isNull();
    if (hasPicture)
        painter.drawImage(area, picture);
    else
        painter.fillRect(area, QColor(0xd5, 0xdb, 0xe2));
    QFont font = painter.font();
    font.setPixelSize(std::max(8, size * 2 / 5));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(hasPicture ? QColor(Qt::white) : QColor(0x52, 0x60, 0x6d));
    painter.drawText(area, Qt::AlignCenter, initials(handle, name));
    return pixmap;
}

QPixmap ChatAvatarArt::group(int size, qreal pixelRatio)
{
    QPixmap pixmap = canvas(size, pixelRatio);
    QPainter painter(&pixmap);
    clipToCircle(painter, size);
    painter.fillRect(QRect(0, 0, size, size), QColor(0x5b, 0x6b, 0x8c));
    painter.setPen(Qt::NoPen);
    // Two people, one a little behind the other.
    const qreal unit = size / 10.0;
    const struct {
        qreal x;
        QColor colour;
    } people[] = {{6.2, QColor(0xb8, 0xc4, 0xdc)}, {3.8, QColor(Qt::white)}};
    for (const auto& person : people) {
        painter.setBrush(person.colour);
        painter.drawEllipse(QPointF(person.x * unit, 3.9 * unit), 1.5 * unit, 1.5 * unit);
        painter.drawEllipse(QPointF(person.x * unit, 8.4 * unit), 2.7 * unit, 2.6 * unit);
    }
    return pixmap;
}

QString ChatAvatarArt::initials(const QString& handle, const QString& name)
{
    const QStringList words = name.split(u' ', Qt::SkipEmptyParts);
    QString letters;
    for (const QString& word : words.mid(0, 2))
        letters += word.at(0).toUpper();
    if (letters.isEmpty() && !handle.isEmpty())
        letters = handle.at(0).toUpper();
    return letters;
}

} // namespace verbalink::desktopapi
