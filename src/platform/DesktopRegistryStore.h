#pragma once

#include "platform/AutostartFolder.h"
#include "platform/RegistryStore.h"
#include "platform/SettingsFile.h"

namespace verbalink {

// The registry as a Linux desktop keeps it: the user's values in a settings file under
// $XDG_CONFIG_HOME, the system's values in a read-only file under /etc/xdg, and the login Run key
// as entries of the autostart folder.
class DesktopRegistryStore final : public RegistryStore {
public:
    struct Paths {
        QString userFile;
        QString systemFile;
        QString autostartFolder;
    };
    // The standard places: $XDG_CONFIG_HOME/Verbalink/Verbalink.conf,
    // /etc/xdg/Verbalink/Verbalink.conf and $XDG_CONFIG_HOME/autostart.
    static Paths standardPaths();

    explicit DesktopRegistryStore(const Paths& paths);

    const SettingsFile& userFile() const { return m_user; }

    bool createKey(RegistryRoot root, const QString& keyPath) override;
    std::optional<qsizetype> valueSize(RegistryRoot root, const QString& keyPath,
                                       const QString& name) override;
    std::optional<QString> readValue(RegistryRoot root, const QString& keyPath,
                                     const QString& name) override;
    bool writeValue(RegistryRoot root, const QString& keyPath, const QString& name,
                    const QString& text) override;
    bool deleteValue(RegistryRoot root, const QString& keyPath, const QString& name) override;

private:
    static bool isRunKey(RegistryRoot root, const QString& keyPath);

    SettingsFile m_user;
    SettingsFile m_system;
    AutostartFolder m_autostart;
};

} // namespace verbalink
