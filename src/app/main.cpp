// Verbalink: translates the chat messages of a running chat client as they are sent.

#include "app/DebugLog.h"
#include "app/ServiceHosts.h"
#include "app/Settings.h"
#include "app/SingleInstance.h"
#include "app/TranslationSwitch.h"
#include "app/menu/MenuModel.h"
#include "app/menu/MenuResource.h"
#include "platform/Clock.h"
#include "platform/DesktopRegistryStore.h"
#include "platform/UnixSignalWatcher.h"
#include "skype/SkypeConnection.h"
#include "skype/dbus/DBusSkypeTransport.h"
#include "ui/AboutDialog.h"
#include "ui/DebugLogWindow.h"
#include "ui/MenuIconMap.h"
#include "ui/TrayIcon.h"
#include "ui/TrayMenuView.h"
#include "ui/WidgetMessageBox.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <csignal>
#include <cstdio>

using namespace verbalink;

namespace {

constexpr int AboutCommand = 104;
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
    DebugLog debugLog;
    DebugLogWindow debugWindow(debugLog);
    link.handlers().onLog.set([&debugLog](const QString& line) { debugLog.logLine(line); });

    TrayIcon tray(menuView, debugLog, settings.debugLevel);
    TranslationSwitch translation(menu, registry);
    QObject::connect(&translation, &TranslationSwitch::changed, &tray,
                     &TrayIcon::setTranslationEnabled);
    tray.show();

    auto dispatch = [&](int command) {
        if (command == TranslationSwitch::CommandId) {
            translation.toggle();
        } else if (command == AboutCommand) {
            AboutDialog about;
            about.exec();
        } else if (command == ExitCommand) {
            QApplication::quit();
        }
    };
    QObject::connect(&menuView, &TrayMenuView::commandTriggered, &app, dispatch);
    QObject::connect(&tray, &TrayIcon::commandRequested, &app, dispatch);
    QObject::connect(&instance, &SingleInstance::menuRequested, &tray, &TrayIcon::openMenu);
    // Translation starts on; a stored "off" goes through the same path as the menu command.
    if (settings.state == 0)
        QMetaObject::invokeMethod(
            &app, [&] { dispatch(TranslationSwitch::CommandId); }, Qt::QueuedConnection);

    UnixSignalWatcher signalWatcher({SIGTERM, SIGINT, SIGHUP});
    QObject::connect(&signalWatcher, &UnixSignalWatcher::received, &app, &QApplication::quit);

    const int result = app.exec();
    settings.state = translation.isEnabled() ? 1 : 0;
    saveExitSettings(registry, settings);
    tray.hide();
    link.stop();
    return result;
}
