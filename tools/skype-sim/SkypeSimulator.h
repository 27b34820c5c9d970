#pragma once

#include "SimCommandTable.h"
#include "SimDirective.h"
#include "SimResponse.h"
#include "SimState.h"

namespace verbalink::sim {

// The chat client's side of the API without any transport: one command in, the reply and
// the notifications out. New commands are added as handlers in the command table.
class SkypeSimulator {
public:
    SkypeSimulator();
    explicit SkypeSimulator(SimState state);

    SimResponse handle(const QString& command);
    // Applies a directive that changes the simulated client; false for the others
    // (notify, sleep, vanish, quit), which belong to whoever carries the traffic.
    bool apply(const SimDirective& directive);

    void addHandler(const QString& key, SimCommandTable::Handler handler);

    const SimState& state() const { return m_state; }
    SimState& state() { return m_state; }

private:
    void addBuiltInHandlers();
    SimResponse name(const QString& application);
    SimResponse protocol(const QString& version) const;
    SimResponse createApplication(const QString& application) const;
    SimResponse ping() const;
    SimResponse getUser(const QString& arguments) const;

    SimState m_state;
    SimCommandTable m_commands;
};

} // namespace verbalink::sim
