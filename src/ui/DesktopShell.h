#pragma once

#include "platform/ShellPort.h"

namespace verbalink {

// Opens web addresses with the desktop's default browser.
class DesktopShell final : public ShellPort {
public:
    bool openUrl(const QUrl& url) override;
};

} // namespace verbalink
