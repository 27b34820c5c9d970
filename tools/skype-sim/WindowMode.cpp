// The executable of a build with Qt Widgets: the simulator can show its chat window.

#include "SimWindowController.h"
#include "SimWindowMode.h"

#include <QApplication>

namespace verbalink::sim {

std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv, bool window)
{
    if (window)
        return std::make_unique<QApplication>(argc, argv);
    return std::make_unique<QCoreApplication>(argc, argv);
}

std::unique_ptr<QObject> openChatWindow(SkypeSimulator& simulator,
                                        desktopapi::ApiBusService& service, SimScriptRunner& runner)
{
    auto controller = std::make_unique<SimWindowController>(simulator, service, runner);
    controller->show();
    return controller;
}

QStringList demoRoster()
{
    return SimWindowController::demoRoster();
}

} // namespace verbalink::sim
