#pragma once

#include "SimCalls.h"
#include "SimChats.h"
#include "SimCommandTable.h"
#include "SimContacts.h"
#include "SimDirective.h"
#include "SimResponse.h"
#include "SimState.h"

#include <optional>

namespace verbalink::sim {

// The chat client's side of the API without any transport: one command in, the reply and
// the notifications out. New commands are added as handlers in the command table.
class SkypeSimulator {
public:
    SkypeSimulator();
    explicit SkypeSimulator(SimState state,
                            qsizetype messageCapacity = SimMessageStore::DefaultCapacity);
    // The handlers refer to this object.
    SkypeSimulator(const SkypeSimulator&) = delete;
    SkypeSimulator& operator=(const SkypeSimulator&) = delete;

    SimResponse handle(const QString& command);
    // Applies a directive that changes the simulated client and returns the lines it pushes
    // to the attached client (often none); nothing for the directives that belong to
    // whoever carries the traffic (notify, sleep, wait-attach, vanish, quit).
    std::optional<QStringList> apply(const SimDirective& directive);
    // The same; a directive that cannot be carried out (ending a call that is not in progress)
    // changes nothing and says why in `error`.
    std::optional<QStringList> apply(const SimDirective& directive, QString& error);

    void addHandler(const QString& key, SimCommandTable::Handler handler);

    const SimState& state() const { return m_state; }
    SimState& state() { return m_state; }
    SimChats& chats() { return m_chats; }
    const SimChats& chats() const { return m_chats; }
    SimCalls& calls() { return m_calls; }

private:
    void addBuiltInHandlers();
    SimResponse respond(const QString& command);
    SimResponse name(const QString& application);
    SimResponse protocol(const QString& version) const;
    SimResponse createApplication(const QString& application) const;
    SimResponse ping() const;
    void setAvatar(const QString& handle, bool on);
    QStringList startCall(const SimDirective& directive, QString& error);

    SimState m_state;
    SimCommandTable m_commands;
    SimContacts m_contacts;
    SimChats m_chats;
    SimCalls m_calls;
};

} // namespace verbalink::sim
