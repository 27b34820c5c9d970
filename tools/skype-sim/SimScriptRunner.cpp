#include "SimScriptRunner.h"

#include "SimBusService.h"
#include "SkypeSimulator.h"

#include <QTimer>
#include <cstdio>

namespace verbalink::sim {

SimScriptRunner::SimScriptRunner(SkypeSimulator& simulator, SimBusService& service, QObject* parent)
    : QObject(parent), m_simulator(simulator), m_service(service)
{}

void SimScriptRunner::feed(const QString& line)
{
    m_queue.append(line);
    runQueued();
}

void SimScriptRunner::runQueued()
{
    while (!m_sleeping && !m_stopped && !m_queue.isEmpty()) {
        ++m_lineNumber;
        const ParsedDirective parsed = SimDirectiveParser::parse(m_queue.takeFirst());
        if (!parsed.ok()) {
            std::fprintf(stderr, "skype-sim: line %d: %s\n", m_lineNumber,
                         qUtf8Printable(parsed.error));
            continue;
        }
        run(parsed.directive);
    }
}

void SimScriptRunner::run(const SimDirective& directive)
{
    using Kind = SimDirective::Kind;
    if (const std::optional<QStringList> pushed = m_simulator.apply(directive)) {
        for (const QString& line : *pushed)
            notify(line);
        return;
    }
    switch (directive.kind) {
    case Kind::Notify:
        notify(directive.text);
        return;
    case Kind::Sleep:
        m_sleeping = true;
        QTimer::singleShot(directive.ms, this, [this] {
            m_sleeping = false;
            runQueued();
        });
        return;
    case Kind::Quit:
        m_stopped = true;
        Q_EMIT quitRequested();
        return;
    case Kind::Vanish:
        m_stopped = true;
        Q_EMIT vanishRequested();
        return;
    default:
        return;
    }
}

void SimScriptRunner::notify(const QString& line)
{
    if (!m_service.notifyClient(line))
        std::fprintf(stderr, "skype-sim: line %d: no client attached\n", m_lineNumber);
}

} // namespace verbalink::sim
