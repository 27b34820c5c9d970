#include "program/LoggedFeedback.h"

#include "program/TrayProgram.h"

namespace verbalink {

void LoggedFeedback::showFeedback(const QString& text)
{
    qCInfo(lcShell, "feedback: %s", qUtf8Printable(text));
    m_shown.showFeedback(text);
}

} // namespace verbalink
