#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QStringList>
#include <memory>

namespace verbalink::desktopapi {
class ApiBusService;
}

namespace verbalink::sim {

class SimScriptRunner;
class SkypeSimulator;

// What the executable needs of the chat window; a build without Qt Widgets has none
// (WindowModeAbsent.cpp), and then asking for it fails cleanly.

// A QApplication for the window, a QCoreApplication without; nothing when no window can be had.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv, bool window);
// Shows the chat window over the running simulator; it lives as long as the returned object.
std::unique_ptr<QObject> openChatWindow(SkypeSimulator& simulator,
                                        desktopapi::ApiBusService& service,
                                        SimScriptRunner& runner);
// The directives of the demo roster, used when the window is opened without a script.
QStringList demoRoster();

} // namespace verbalink::sim
