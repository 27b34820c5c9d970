#include "ui/MenuIconMap.h"

namespace verbalink {

void MenuIconMap::insert(const QString& key, const QIcon& icon)
{
    m_icons.insert(key, icon);
}

QIcon MenuIconMap::icon(const QString& key) const
{
    return m_icons.value(key);
}

} // namespace verbalink
