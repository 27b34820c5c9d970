#pragma once

#include "gateway/ApertiumModes.h"
#include "gateway/ApertiumPipeline.h"
#include "gateway/ApertiumRoutes.h"
#include "gateway/TextTranslator.h"

#include <map>
#include <memory>
#include <mutex>

namespace verbalink::gateway {

class GatewayLog;

// Apertium behind the gateway: every installed direction as a pipeline of its own, made on first
// use, so requests for different directions run side by side. Two languages without a direction
// of their own are translated along the shortest route through the installed ones.
class ApertiumTranslator final : public TextTranslator {
public:
    static constexpr int DefaultDeadlineMs = 8000;

    ApertiumTranslator(ApertiumModes modes, GatewayLog& log, int deadlineMs = DefaultDeadlineMs);

    Outcome translate(const QString& text, QByteArrayView from, QByteArrayView to) override;
    QList<QByteArray> languages() const override { return m_modes.languages(); }

    // The languages a translation passes through, both ends included; empty when there is no way.
    QList<QByteArray> route(QByteArrayView from, QByteArrayView to) const;
    const ApertiumRoutes& routes() const { return m_routes; }
    // Starts every pipeline on the routes between these pairs, side by side, and waits until each
    // has translated a first text, so that no request pays for a start. False when a pair has no
    // route or a pipeline would not work; the log says which.
    bool warm(const QList<ApertiumModes::Direction>& pairs);
    // The pipeline of an installed direction (made now if it was not there).
    ApertiumPipeline* pipeline(QByteArrayView from, QByteArrayView to);

private:
    ApertiumModes m_modes;
    ApertiumRoutes m_routes;
    GatewayLog& m_log;
    int m_deadlineMs;
    std::mutex m_mutex;
    std::map<ApertiumModes::Direction, std::unique_ptr<ApertiumPipeline>> m_pipelines;
};

} // namespace verbalink::gateway
