#include "SimScriptRunner.h"

#include "ApiBusService.h"
#include "SkypeSimulator.h"

#include <QTimer>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace verbalink::sim {

SimScriptRunner::SimScriptRunner(SkypeSimulator& simulator, desktopapi::ApiBusService& service,
                                 QObject* parent)
    : QObject(parent), m_simulator(simulator), m_service(service)
{
    connect(&m_service, &desktopapi::ApiBusService::clientAttached, this, [this] {
        if (m_waitingForClient)
            resume();
    });
}

void SimScriptRunner::feed(const QString& line)
{
    m_queue.append(line);
    runQueued();
}

void SimScriptRunner::perform(const SimDirective& directive)
{
    run(directive, 0);
}

void SimScriptRunner::runQueued()
{
    while (!m_holding && !m_stopped && !m_queue.isEmpty()) {
        ++m_lineNumber;
        const ParsedDirective parsed = SimDirectiveParser::parse(m_queue.takeFirst());
        if (!parsed.ok()) {
            std::fprintf(stderr, "skype-sim: line %d: %s\n", m_lineNumber,
                         qUtf8Printable(parsed.error));
            continue;
        }
        run(parsed.directive, m_lineNumber);
    }
}

void SimScriptRunner::run(const SimDirective& directive, int lineNumber)
{
    using Kind = SimDirective::Kind;
    QString error;
    if (const std::optional<QStringList> pushed = m_simulator.apply(directive, error)) {
        if (!error.isEmpty())
            report(error, lineNumber);
        Q_EMIT simulatorChanged();
        for (const QString& line : *pushed)
            notify(line, lineNumber);
        return;
    }
    switch (directive.kind) {
    case Kind::Notify:
        notify(directive.text, lineNumber);
        return;
    case Kind::Sleep:
        hold(directive.ms);
        return;
    case Kind::WaitAttach:
        holdUntilAttached();
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

void SimScriptRunner::hold(int ms)
{
    m_holding = true;
    QTimer::singleShot(ms, this, &SimScriptRunner::resume);
}

void SimScriptRunner::holdUntilAttached()
{
    if (!m_service.client().isEmpty())
        return;
    m_holding = true;
    m_waitingForClient = true;
}

void SimScriptRunner::resume()
{
    m_holding = false;
    m_waitingForClient = false;
    runQueued();
}

void SimScriptRunner::notify(const QString& line, int lineNumber)
{
    if (!m_service.notifyClient(line))
        report(u"no client attached for "_s + line, lineNumber);
}

void SimScriptRunner::report(const QString& problem, int lineNumber)
{
    if (lineNumber > 0)
        std::fprintf(stderr, "skype-sim: line %d: %s\n", lineNumber, qUtf8Printable(problem));
    else
        std::fprintf(stderr, "skype-sim: %s\n", qUtf8Printable(problem));
}

} // namespace verbalink::sim
