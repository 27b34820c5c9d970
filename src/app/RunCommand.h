#pragma once

#include "platform/RegistryStore.h"

#include <QString>

namespace verbalink {

// The command that starts the program at login, and whether it is registered to do so.
struct RunCommand {
    QString command;
    bool registered = false;
};

inline constexpr auto RunKeyPath = u"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr auto RunValueName = u"Verbalink";
inline constexpr auto InstallKeyPath = u"SOFTWARE\\Verbalink";
inline constexpr auto InstallDirName = u"Install_Dir";

// The registered login command when it has at least 3 characters; otherwise a quoted path to the
// installed executable under Install_Dir (from the system settings, else defaultInstallDir).
// Both are read in full: a command or folder cut short would start the wrong thing.
RunCommand readRunCommand(RegistryStore& store, const QString& defaultInstallDir);
// The quoted path of the executable under an installation folder.
QString runCommandFor(const QString& installDir);
// Registers the login command when it has more than 2 characters, else does nothing.
bool enableRunAtLogin(RegistryStore& store, const QString& command);
bool disableRunAtLogin(RegistryStore& store);

} // namespace verbalink
