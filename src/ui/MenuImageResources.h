#pragma once

#include "ui/MenuImageProvider.h"

#include <QHash>

namespace verbalink {

// The pictures of the menu's image keys, built into the program: drawn icons as SVG, so they
// are sharp at any menu icon size and scale, and the country flags as 16 × 11 PNGs. A key
// without a picture shows none.
class MenuImageResources final : public MenuImageProvider {
public:
    QIcon icon(const QString& key) const override;

    // The resource holding a key's picture: ":/icons/menu/<key>.svg" when one is drawn, else
    // ":/flags/<country>.png" for "flag-<country>"; empty when there is none.
    static QString resourcePath(const QString& key);

private:
    // Loaded on first use; the view asks again at every change of an entry.
    mutable QHash<QString, QIcon> m_loaded;
};

} // namespace verbalink
