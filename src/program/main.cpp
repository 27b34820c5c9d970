// Verbalink: translates the chat messages of a running chat client as they are sent.

#include "app/SingleInstance.h"
#include "platform/UnixSignalWatcher.h"
#include "program/CommandLine.h"
#include "program/TrayProgram.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
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
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine commandLine = CommandLine::parse(arguments);
    if (commandLine.exitCode)
        return *commandLine.exitCode;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Verbalink"));
    QApplication::setApplicationVersion(QStringLiteral(VERBALINK_VERSION));
    // The debug log is a window; closing it must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);

    // A start without -m is the one copy per user; with it, it runs alongside.
    SingleInstance instance(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation),
                            QStringLiteral("Verbalink for Skype"));
    if (!commandLine.alongside) {
        const SingleInstance::Role role = instance.claim();
        if (role == SingleInstance::Role::HandedOver)
            return 0;
        if (role == SingleInstance::Role::Failed)
            qWarning("Verbalink: cannot tell whether another copy is running");
    }

    TrayProgram program(DesktopRegistryStore::standardPaths(), runningInstallDir());
    if (!program.start())
        return 1;
    QObject::connect(&instance, &SingleInstance::menuRequested, &program, &TrayProgram::openMenu);

    // Logging out or Ctrl+C ends the program through the same shutdown as Exit.
    UnixSignalWatcher signalWatcher({SIGTERM, SIGINT, SIGHUP});
    QObject::connect(&signalWatcher, &UnixSignalWatcher::received, &app, &QApplication::quit);

    const int result = QApplication::exec();
    program.shutdown();
    return result;
}
