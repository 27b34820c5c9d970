#pragma once

#include <QString>
#include <QStringList>
#include <cstdio>
#include <mutex>

namespace verbalink::gateway {

// What the gateway did, one line per request or event, written at once to a stream (standard
// error by default) with the time; the latest lines are kept for reading back.
class GatewayLog {
public:
    explicit GatewayLog(std::FILE* out = stderr);

    void write(const QString& line);
    QStringList recentLines() const;

private:
    static constexpr qsizetype KeptLines = 200;

    std::FILE* m_out;
    mutable std::mutex m_mutex;
    QStringList m_recent;
};

} // namespace verbalink::gateway
