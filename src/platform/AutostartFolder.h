#pragma once

#include <QString>
#include <optional>

namespace verbalink {

// The desktop's autostart folder ($XDG_CONFIG_HOME/autostart): a named entry "<name>.desktop"
// whose Exec line is the command started at login. This is where "run at login" lives on Linux.
class AutostartFolder {
public:
    explicit AutostartFolder(QString folder);

    // The entry's command, or nothing when there is no entry (or it has no Exec line).
    std::optional<QString> command(const QString& name) const;
    // Writes the entry; an empty command removes it.
    bool setCommand(const QString& name, const QString& command);
    // True when no entry is left.
    bool remove(const QString& name);

private:
    QString entryPath(const QString& name) const;

    QString m_folder;
};

} // namespace verbalink
