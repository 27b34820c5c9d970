// Verbalink: translates the chat messages of a running chat client as they are sent.

#include "app/ServiceHosts.h"
#include "app/Settings.h"
#include "app/SingleInstance.h"
#include "app/menu/MenuModel.h"
#include "app/menu/MenuResource.h"
#include "platform/Clock.h"
#include "platform/DesktopRegistryStore.h"
#include "platform/UnixSignalWatcher.h"
#include "skype/SkypeConnection.h"
#include "skype/dbus/DBusSkypeTransport.h"
#include "ui/MenuIconMap.h"
#include "ui/TrayMenuView.h"
#include "ui/WidgetMessageBox.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QMenu>
#include <QStandardPaths>
#include <csignal>
#include <cstdio>

using namespace verbalink;

namespace {

constexpr int ExitCommand = 105;

// The installation folder is the one above the folder of the running executable: the install
// prefix once installed, the build folder when run from there.
QString runningInstallDir()
{
    QDir dir(QCoreApplication::applicationDirPath());
    dir.cdUp();
    return dir.absolutePath();
}

// Avatars are written by the chat client into this folder under the user's documents.
void createAvatarFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QDir().mkpath(documents + u"/Verbalink Avatars");
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Verbalink"));
    QApplication::setApplicationVersion(QStringLiteral(VERBALINK_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);

    // A start without arguments is the one copy per user; with arguments it runs alongside.
    SingleInstance instance(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation),
                            QStringLiteral("Verbalink for Skype"));
    if (argc <= 1) {
        const SingleInstance::Role role = instance.claim();
        if (role == SingleInstance::Role::HandedOver)
            return 0;
        if (role == SingleInstance::Role::Failed)
            std::fputs("Verbalink: cannot tell whether another copy is running\n", stderr);
    }

    createAvatarFolder();

    DesktopRegistryStore registry(DesktopRegistryStore::standardPaths());
    WidgetMessageBox boxes;
    SystemClock clock;
    DBusSkypeTransport transport;
    SkypeConnection link(transport, clock, boxes);
    link.start();

    MenuResource::Result menuData = MenuResource::readTrayMenu();
    if (!menuData.root) {
        std::fprintf(stderr, "Verbalink: the tray menu is damaged: %s\n",
                     qPrintable(menuData.error));
        return 1;
    }
    MenuModel menu(std::move(menuData.root));
    MenuIconMap icons;
    TrayMenuView menuView(menu, icons);

    Settings settings = loadStartupSettings(registry, runningInstallDir());
    ServiceHosts::load(registry);
    link.options().setInterfaceLanguageChoice(settings.menuLanguage);
    if (settings.debugLevel != 0) {
        link.handlers().onLog.set(
            [](const QString& line) { std::fprintf(stderr, "%s\n", qPrintable(line)); });
    }

    QObject::connect(&menuView, &TrayMenuView::commandTriggered, &app, [](int command) {
        if (command == ExitCommand)
            QApplication::quit();
    });
    QObject::connect(&instance, &SingleInstance::menuRequested, &app,
                     [&menuView] { menuView.menu()->popup(QCursor::pos()); });

    UnixSignalWatcher signalWatcher({SIGTERM, SIGINT, SIGHUP});
    QObject::connect(&signalWatcher, &UnixSignalWatcher::received, &app, &QApplication::quit);

    const int result = app.exec();
    saveExitSettings(registry, settings);
    link.stop();
    return result;
}
