// The executable of a build without Qt Widgets: the simulator runs headless only.

#include "SimWindowMode.h"

namespace verbalink::sim {

std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv, bool window)
{
    if (window)
        return nullptr;
    return std::make_unique<QCoreApplication>(argc, argv);
}

std::unique_ptr<QObject> openChatWindow(SkypeSimulator&, desktopapi::ApiBusService&,
                                        SimScriptRunner&)
{
    return nullptr;
}

QStringList demoRoster()
{
    return {};
}

} // namespace verbalink::sim
