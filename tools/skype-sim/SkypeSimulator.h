#pragma once

#include "ApiWorld.h"
#include "DesktopApi.h"
#include "SimCalls.h"
#include "SimDirective.h"

#include <optional>

namespace verbalink::sim {

// The simulated chat client: the desktop API with a script behind it. Directives change the
// client (users, pictures, typed and received messages, calls); commands are answered by the
// shared desktop API, with calls added as handlers of their own.
class SkypeSimulator : public desktopapi::ApiWorld {
public:
    SkypeSimulator();
    explicit SkypeSimulator(
        desktopapi::ApiState state,
        qsizetype messageCapacity = desktopapi::ApiMessageStore::DefaultCapacity);

    desktopapi::ApiResponse handle(const QString& command) { return m_api.handle(command); }
    // Applies a directive that changes the simulated client and returns the lines it pushes
    // to the attached client (often none); nothing for the directives that belong to
    // whoever carries the traffic (notify, sleep, wait-attach, vanish, quit).
    std::optional<QStringList> apply(const SimDirective& directive);
    // The same; a directive that cannot be carried out (ending a call that is not in progress)
    // changes nothing and says why in `error`.
    std::optional<QStringList> apply(const SimDirective& directive, QString& error);

    void addHandler(const QString& key, desktopapi::ApiCommandTable::Handler handler);

    // A colour of the handle's own, unless a script took the picture away.
    QImage picture(const QString& handle) const override;

    desktopapi::DesktopApi& api() { return m_api; }
    const desktopapi::DesktopApi& api() const { return m_api; }
    const desktopapi::ApiState& state() const { return m_api.state(); }
    desktopapi::ApiState& state() { return m_api.state(); }
    desktopapi::ApiChats& chats() { return m_api.chats(); }
    const desktopapi::ApiChats& chats() const { return m_api.chats(); }
    SimCalls& calls() { return m_calls; }

private:
    void setAvatar(const QString& handle, bool on);
    QStringList startCall(const SimDirective& directive, QString& error);

    desktopapi::DesktopApi m_api;
    SimCalls m_calls;
    // Handles whose picture the client cannot provide.
    QStringList m_withoutAvatar;
};

} // namespace verbalink::sim
