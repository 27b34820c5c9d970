#pragma once

#include "ui/MenuImageProvider.h"

#include <QHash>

namespace verbalink {

// Menu images from a fixed table that the caller fills; unknown keys have no icon.
class MenuIconMap final : public MenuImageProvider {
public:
    void insert(const QString& key, const QIcon& icon);
    QIcon icon(const QString& key) const override;

private:
    QHash<QString, QIcon> m_icons;
};

} // namespace verbalink
