#pragma once

#include <QFile>
#include <QString>

namespace verbalink::desktopapi {

// Records every command the client receives, one per line, flushed at once so that a
// test can read the file while the client runs. Backslash, CR and LF are escaped.
class ApiCommandLog {
public:
    // An empty path logs to no file; verbose also writes to standard error.
    bool open(const QString& path, bool verbose);
    void record(const QString& command);
    QString errorString() const { return m_file.errorString(); }

private:
    QFile m_file;
    bool m_verbose = false;
};

} // namespace verbalink::desktopapi
