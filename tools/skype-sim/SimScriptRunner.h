#pragma once

#include "SimDirective.h"

#include <QObject>
#include <QStringList>

namespace verbalink::desktopapi {
class ApiBusService;
}

namespace verbalink::sim {

class SkypeSimulator;

// Carries out script directives in order; a sleep or a wait for a client holds back the lines
// after it while the event loop keeps serving the bus. Bad lines are reported and skipped.
class SimScriptRunner : public QObject {
    Q_OBJECT

public:
    SimScriptRunner(SkypeSimulator& simulator, desktopapi::ApiBusService& service,
                    QObject* parent = nullptr);

    void feed(const QString& line);
    // Carries out one directive at once, ahead of any waiting script lines (the chat window's
    // user typing or a contact writing).
    void perform(const SimDirective& directive);

Q_SIGNALS:
    // The simulated client changed: a user, a message, the own handle ...
    void simulatorChanged();
    // quit: leave normally; vanish: drop off the bus at once, as a crashed client would.
    void quitRequested();
    void vanishRequested();

private:
    void runQueued();
    void run(const SimDirective& directive, int lineNumber);
    void hold(int ms);
    void holdUntilAttached();
    void resume();
    void notify(const QString& line, int lineNumber);
    // On standard error, with the script line when there is one.
    void report(const QString& problem, int lineNumber);

    SkypeSimulator& m_simulator;
    desktopapi::ApiBusService& m_service;
    QStringList m_queue;
    int m_lineNumber = 0;
    bool m_holding = false;
    bool m_waitingForClient = false;
    bool m_stopped = false;
};

} // namespace verbalink::sim
