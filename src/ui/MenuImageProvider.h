#pragma once

#include <QIcon>
#include <QString>

namespace verbalink {

// Turns a menu entry's image key into the icon the menu shows; a null icon shows none.
class MenuImageProvider {
public:
    virtual ~MenuImageProvider() = default;
    virtual QIcon icon(const QString& key) const = 0;
};

} // namespace verbalink
