#include "gateway/GatewayLog.h"

#include <QDateTime>

namespace verbalink::gateway {

GatewayLog::GatewayLog(std::FILE* out) : m_out(out) {}

void GatewayLog::write(const QString& line)
{
    const QByteArray stamped =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz ")).toUtf8() +
        line.toUtf8() + '\n';
    std::lock_guard lock(m_mutex);
    if (m_out) {
        std::fwrite(stamped.constData(), 1, size_t(stamped.size()), m_out);
        std::fflush(m_out);
    }
    m_recent.append(line);
    if (m_recent.size() > KeptLines)
        m_recent.removeFirst();
}

QStringList GatewayLog::recentLines() const
{
    std::lock_guard lock(m_mutex);
    return m_recent;
}

} // namespace verbalink::gateway
