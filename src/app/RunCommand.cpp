#include "app/RunCommand.h"

#include "app/SettingAccess.h"

namespace verbalink {

QString runCommandFor(const QString& installDir)
{
    QString dir = installDir;
    while (dir.size() > 1 && dir.endsWith(u'/'))
        dir.chop(1);
    return u'"' + dir + u'/' + QStringLiteral(VERBALINK_INSTALL_BINDIR) + u"/verbalink\"";
}

RunCommand readRunCommand(RegistryStore& store, const QString& defaultInstallDir)
{
    const QString run = readSettingWide(store, QString::fromUtf16(RunKeyPath),
                                        QString::fromUtf16(RunValueName), QString());
    if (run.size() >= 3)
        return RunCommand{run, true};
    const QString installDir =
        readSettingWide(store, RegistryRoot::LocalMachine, QString::fromUtf16(InstallKeyPath),
                        QString::fromUtf16(InstallDirName), defaultInstallDir);
    return RunCommand{runCommandFor(installDir), false};
}

bool enableRunAtLogin(RegistryStore& store, const QString& command)
{
    if (command.size() <= 2)
        return false;
    return writeSetting(store, QString::fromUtf16(RunKeyPath), QString::fromUtf16(RunValueName),
                        command);
}

bool disableRunAtLogin(RegistryStore& store)
{
    return deleteSetting(store, QString::fromUtf16(RunKeyPath), QString::fromUtf16(RunValueName));
}

} // namespace verbalink
