#pragma once

#include <QImage>
#include <QString>

namespace verbalink::desktopapi {

// What the desktop API needs from the world behind it (a script, or a chat account) that its
// own store does not hold.
class ApiWorld {
public:
    virtual ~ApiWorld() = default;

    // The client's picture of a user; a null image when it has none.
    virtual QImage picture(const QString& handle) const = 0;
};

} // namespace verbalink::desktopapi
