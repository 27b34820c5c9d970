#pragma once

#include <QFile>
#include <QString>

namespace verbalink::sim {

// Records every command the simulator receives, one per line, flushed at once so that a
// test can read the file while the simulator runs. Backslash, CR and LF are escaped.
class SimCommandLog {
public:
    // An empty path logs to no file; verbose also writes to standard error.
    bool open(const QString& path, bool verbose);
    void record(const QString& command);
    QString errorString() const { return m_file.errorString(); }

private:
    QFile m_file;
    bool m_verbose = false;
};

} // namespace verbalink::sim
