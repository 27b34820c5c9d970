#include "ApiCommandLog.h"

#include "ApiMessageLog.h"

#include <cstdio>

namespace verbalink::desktopapi {

bool ApiCommandLog::open(const QString& path, bool verbose)
{
    m_verbose = verbose;
    if (path.isEmpty())
        return true;
    m_file.setFileName(path);
    return m_file.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

void ApiCommandLog::record(const QString& command)
{
    // One command per line: a line break inside a command would split it.
    QByteArray line = ApiMessageLog::escape(command).toUtf8();
    line.append('\n');
    if (m_file.isOpen()) {
        m_file.write(line);
        m_file.flush();
    }
    if (m_verbose) {
        std::fputs("-> ", stderr);
        std::fputs(line.constData(), stderr);
    }
}

} // namespace verbalink::desktopapi
