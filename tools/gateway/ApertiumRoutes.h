#pragma once

#include "gateway/ApertiumModes.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QMap>
#include <QStringList>

namespace verbalink::gateway {

// The ways between the installed languages: for every pair the route with the fewest
// directions, and among equally short ones the route through English, then Spanish, the
// languages most pairs meet in. Found once when the gateway starts.
class ApertiumRoutes {
public:
    // Each step costs a little of the text's sense; beyond three it is no longer worth reading.
    static constexpr int MaxSteps = 3;

    explicit ApertiumRoutes(const ApertiumModes& modes);

    // The languages a translation passes through, both ends included; empty when there is no
    // route (or the two are the same).
    QList<QByteArray> route(QByteArrayView from, QByteArrayView to) const;
    // For the log: one line per language that routes start from, the languages they reach and,
    // in brackets, what they go through ("cat: eng epo(eng) fra(eng spa)").
    QStringList describe() const;

private:
    void findFrom(const QByteArray& from, const QMap<QByteArray, QList<QByteArray>>& next);

    QMap<ApertiumModes::Direction, QList<QByteArray>> m_routes;
};

} // namespace verbalink::gateway
