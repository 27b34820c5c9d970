#pragma once

#include "SimDirective.h"

#include <QObject>
#include <QStringList>

namespace verbalink::sim {

class SimBusService;
class SkypeSimulator;

// Carries out script directives in order; a sleep holds back the lines after it while the
// event loop keeps serving the bus. Bad lines are reported and skipped.
class SimScriptRunner : public QObject {
    Q_OBJECT

public:
    SimScriptRunner(SkypeSimulator& simulator, SimBusService& service, QObject* parent = nullptr);

    void feed(const QString& line);

Q_SIGNALS:
    // quit: leave normally; vanish: drop off the bus at once, as a crashed client would.
    void quitRequested();
    void vanishRequested();

private:
    void runQueued();
    void run(const SimDirective& directive);
    void notify(const QString& line);

    SkypeSimulator& m_simulator;
    SimBusService& m_service;
    QStringList m_queue;
    int m_lineNumber = 0;
    bool m_sleeping = false;
    bool m_stopped = false;
};

} // namespace verbalink::sim
