#include "ui/MenuImageResources.h"

#include <QFile>
#include <QPixmap>

namespace verbalink {

namespace {

// Keys become resource file names, so only plain names are taken.
bool isPlainKey(const QString& key)
{
    if (key.isEmpty())
        return false;
    for (QChar c : key) {
        if (!(c.isDigit() || (c >= u'a' && c <= u'z') || c == u'-'))
            return false;
    }
    return true;
}

// A flag drawn at 16 × 11 pixels, with a copy doubled pixel for pixel for displays at twice the
// scale: crisp edges there instead of a blurred enlargement.
QIcon flagIcon(const QString& path)
{
    const QPixmap flag(path);
    if (flag.isNull())
        return {};
    QIcon icon(flag);
    icon.addPixmap(flag.scaled(flag.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    return icon;
}

} // namespace

QIcon MenuImageResources::icon(const QString& key) const
{
    const auto known = m_loaded.constFind(key);
    if (known != m_loaded.constEnd())
        return *known;
    const QString path = resourcePath(key);
    QIcon icon;
    if (path.endsWith(u".svg"))
        icon = QIcon(path);
    else if (!path.isEmpty())
        icon = flagIcon(path);
    m_loaded.insert(key, icon);
    return icon;
}

QString MenuImageResources::resourcePath(const QString& key)
{
    if (!isPlainKey(key))
        return {};
    const QString drawn = u":/icons/menu/" + key + u".svg";
    if (QFile::exists(drawn))
        return drawn;
    const QString country = key.startsWith(u"flag-") ? key.sliced(5) : QString();
    const QString flag = u":/flags/" + country + u".png";
    return !country.isEmpty() && QFile::exists(flag) ? flag : QString();
}

} // namespace verbalink
