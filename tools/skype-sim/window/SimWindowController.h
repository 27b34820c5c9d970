#pragma once

#include "SimDirective.h"

#include <QObject>
#include <QStringList>
#include <memory>

namespace verbalink::desktopapi {
class ApiBusService;
class ChatMessageModel;
class ChatRosterModel;
class ChatWindow;
} // namespace verbalink::desktopapi

namespace verbalink::sim {

class SimScriptRunner;
class SkypeSimulator;

// Puts the chat window over a running simulator: the window's typing becomes the same
// directives a script gives, and the simulator's messages, users and bus traffic reach the
// window's models and status line.
class SimWindowController : public QObject {
    Q_OBJECT

public:
    SimWindowController(SkypeSimulator& simulator, desktopapi::ApiBusService& service,
                        SimScriptRunner& runner, QObject* parent = nullptr);
    ~SimWindowController() override;

    void show();
    desktopapi::ChatWindow& window() { return *m_window; }
    const desktopapi::ChatMessageModel& messages() const { return *m_messages; }

    // The directives of the demo roster (built in), for a window opened without a script.
    static QStringList demoRoster();

private:
    void perform(SimDirective::Kind kind, const QString& handle, const QString& text);
    void userTyped(const QString& conversation, const QString& text);
    void contactWrote(const QString& conversation, const QString& author, const QString& text);
    void simulatorChanged();
    void callClicked(const QString& contact);
    QString nextCallId();

    SkypeSimulator& m_simulator;
    SimScriptRunner& m_runner;
    std::unique_ptr<desktopapi::ChatMessageModel> m_messages;
    std::unique_ptr<desktopapi::ChatRosterModel> m_roster;
    std::unique_ptr<desktopapi::ChatWindow> m_window;
    int m_lastCallId = 0;
};

} // namespace verbalink::sim
