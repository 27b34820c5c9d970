#pragma once

#include <QUrl>

namespace verbalink {

// The desktop's own handlers: a web address opens in the user's default browser.
class ShellPort {
public:
    virtual ~ShellPort() = default;
    // False when the desktop has no handler for the address.
    virtual bool openUrl(const QUrl& url) = 0;
};

} // namespace verbalink
