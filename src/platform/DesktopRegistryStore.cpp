#include "platform/DesktopRegistryStore.h"

#include <QStandardPaths>

namespace verbalink {

DesktopRegistryStore::Paths DesktopRegistryStore::standardPaths()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return Paths{config + u"/Verbalink/Verbalink.conf",
                 QStringLiteral("/etc/xdg/Verbalink/Verbalink.conf"), config + u"/autostart"};
}

DesktopRegistryStore::DesktopRegistryStore(const Paths& paths)
    : m_user(paths.userFile), m_system(paths.systemFile, SettingsFile::Access::ReadOnly),
      m_autostart(paths.autostartFolder)
{}

bool DesktopRegistryStore::isRunKey(RegistryRoot root, const QString& keyPath)
{
    return root == RegistryRoot::CurrentUser &&
           keyPath.compare(u"Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                           Qt::CaseInsensitive) == 0;
}

bool DesktopRegistryStore::createKey(RegistryRoot root, const QString& keyPath)
{
    if (isRunKey(root, keyPath))
        return true;
    if (root == RegistryRoot::LocalMachine)
        return m_system.read().hasSection(keyPath);
    return m_user.update([&](SettingsDocument& doc) {
        if (doc.hasSection(keyPath))
            return false;
        doc.addSection(keyPath);
        return true;
    });
}

std::optional<qsizetype> DesktopRegistryStore::valueSize(RegistryRoot root, const QString& keyPath,
                                                         const QString& name)
{
    const auto value = readValue(root, keyPath, name);
    if (!value)
        return std::nullopt;
    return value->size() * 2;
}

std::optional<QString> DesktopRegistryStore::readValue(RegistryRoot root, const QString& keyPath,
                                                       const QString& name)
{
    if (isRunKey(root, keyPath))
        return m_autostart.command(name);
    const SettingsFile& file = root == RegistryRoot::CurrentUser ? m_user : m_system;
    return file.read().value(keyPath, name);
}

bool DesktopRegistryStore::writeValue(RegistryRoot root, const QString& keyPath,
                                      const QString& name, const QString& text)
{
    if (isRunKey(root, keyPath))
        return m_autostart.setCommand(name, text);
    if (root == RegistryRoot::LocalMachine)
        return false;
    return m_user.update([&](SettingsDocument& doc) {
        if (doc.value(keyPath, name) == text)
            return false;
        doc.setValue(keyPath, name, text);
        return true;
    });
}

bool DesktopRegistryStore::deleteValue(RegistryRoot root, const QString& keyPath,
                                       const QString& name)
{
    if (isRunKey(root, keyPath))
        return m_autostart.remove(name);
    if (root == RegistryRoot::LocalMachine)
        return !m_system.read().value(keyPath, name).has_value();
    return m_user.update([&](SettingsDocument& doc) { return doc.removeValue(keyPath, name); });
}

} // namespace verbalink
