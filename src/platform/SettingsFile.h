#pragma once

#include "platform/SettingsDocument.h"

#include <QString>
#include <functional>
#include <mutex>
#include <optional>

namespace verbalink {

// One settings file on disk. Reads parse the file afresh each time; changes take an exclusive
// lock beside the file, re-read it, apply the change and replace the file atomically, so a crash
// never leaves a torn file and concurrent writers (threads or processes) never lose each other's
// values. A file that cannot be parsed is moved aside, never overwritten; the values this object
// last read or wrote are then written back in its place, so a file broken while the program
// runs loses nothing (at start, with nothing read yet, the defaults take over).
class SettingsFile {
public:
    enum class Access { ReadWrite, ReadOnly };
    // A read-only file is never changed, not even moved aside when it cannot be read.
    explicit SettingsFile(QString path, Access access = Access::ReadWrite);

    const QString& path() const { return m_path; }
    // The current contents; empty when the file is missing or had to be moved aside.
    SettingsDocument read() const;
    // Applies a change and writes the file; false when it could not be written. The change
    // returns false to say that nothing needs writing.
    bool update(const std::function<bool(SettingsDocument&)>& change);
    // Where the last unreadable file was moved to, for the user to look at; empty if none.
    QString lastMovedAside() const;

private:
    enum class Load { Ok, Missing, Broken };
    Load load(SettingsDocument& doc) const;
    // Moves the broken file aside (false when it cannot be) and gives the last good document,
    // if there is one, to carry on with.
    bool setAside(std::optional<SettingsDocument>& restored) const;
    bool moveAside() const;
    bool writeAtomically(const SettingsDocument& doc) const;
    void remember(const SettingsDocument& doc) const;

    QString m_path;
    Access m_access;
    mutable std::mutex m_mutex;
    mutable QString m_movedAside;
    mutable std::optional<SettingsDocument> m_lastGood;
};

} // namespace verbalink
