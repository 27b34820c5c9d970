#include "SimCommandLog.h"

#include "SimMessageLog.h"

#include <cstdio>

namespace verbalink::sim {

bool SimCommandLog::open(const QString& path, bool verbose)
{
    m_verbose = verbose;
    if (path.isEmpty())
        return true;
    m_file.setFileName(path);
    return m_file.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

void SimCommandLog::record(const QString& command)
{
    // One command per line: a line break inside a command would split it.
    QByteArray line = SimMessageLog::escape(command).toUtf8();
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

} // namespace verbalink::sim
