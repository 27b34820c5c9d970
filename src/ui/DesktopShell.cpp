#include "ui/DesktopShell.h"

#include <QDesktopServices>

namespace verbalink {

bool DesktopShell::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

} // namespace verbalink
