#include "SimAvatar.h"

#include <QImage>
#include <QImageWriter>

using namespace Qt::StringLiterals;

namespace verbalink::sim {

QColor SimAvatar::colourOf(const QString& handle)
{
    // qHash is seeded per process; the colour must be the same in every run.
    quint32 hash = 2166136261u;
    for (const QChar c : handle)
        hash = (hash ^ c.unicode()) * 16777619u;
    return QColor::fromHsv(int(hash % 360), 180, 210);
}

QImage SimAvatar::picture(const QString& handle)
{
    QImage image(Size, Size, QImage::Format_RGB32);
    image.fill(colourOf(handle));
    return image;
}

bool SimAvatar::write(const QString& handle, const QString& path, QString& error)
{
    QImageWriter writer(path, "jpeg");
    writer.setQuality(90);
    if (!writer.write(picture(handle))) {
        error = writer.errorString();
        return false;
    }
    return true;
}

} // namespace verbalink::sim
