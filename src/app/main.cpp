// Verbalink: translates the chat messages of a running chat client as they are sent.

#include "app/ServiceHosts.h"
#include "app/Settings.h"
#include "platform/DesktopRegistryStore.h"
#include "platform/UnixSignalWatcher.h"

#include <QApplication>
#include <QDir>
#include <csignal>

using namespace verbalink;

namespace {

// The installation folder is the one above the folder of the running executable: the install
// prefix once installed, the build folder when run from there.
QString runningInstallDir()
{
    QDir dir(QCoreApplication::applicationDirPath());
    dir.cdUp();
    return dir.absolutePath();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Verbalink"));
    QApplication::setApplicationVersion(QStringLiteral(VERBALINK_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);

    DesktopRegistryStore registry(DesktopRegistryStore::standardPaths());
    Settings settings = loadStartupSettings(registry, runningInstallDir());
    ServiceHosts::load(registry);

    UnixSignalWatcher signalWatcher({SIGTERM, SIGINT, SIGHUP});
    QObject::connect(&signalWatcher, &UnixSignalWatcher::received, &app, &QApplication::quit);

    qInfo("Verbalink %s running; settings in %s", VERBALINK_VERSION,
          qPrintable(registry.userFile().path()));
    const int result = app.exec();
    saveExitSettings(registry, settings);
    return result;
}
