#pragma once

#include "ApiMessageStore.h"

#include <QFile>
#include <QString>

namespace verbalink::desktopapi {

// Writes what happens to chat messages to a file, one line each, flushed at once, so that a
// test can see what was posted and how a body ended up:
//   NEW <id> typed|received|posted <chatname> <author> <body>
//   BODY <id> <body>
//   STATUS <id> <status>
//   DELIVERED <id>
// Bodies are escaped (see escape) so that a line break inside one cannot split the line.
class ApiMessageLog {
public:
    bool open(const QString& path);
    // Prefixes every line with the wall-clock time in milliseconds and a space, for timing.
    void setTimestamps(bool on) { m_timestamps = on; }
    void record(ApiMessageChange change, const ApiChatMessage& message);
    QString errorString() const { return m_file.errorString(); }

    static QString line(ApiMessageChange change, const ApiChatMessage& message);
    // Backslash, CR and LF become \\, \r and \n; everything else stays as it is.
    static QString escape(const QString& text);

private:
    QFile m_file;
    bool m_timestamps = false;
};

} // namespace verbalink::desktopapi
