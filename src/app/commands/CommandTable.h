#pragma once

#include <QHash>
#include <functional>
#include <vector>

namespace verbalink {

// Routes a command of the tray menu or of a hot key to its owner: first the menus that own
// whole ranges of ids (language menus, interface language, dictionaries, voices), offered in
// the order they were added; then one handler per id. Each id has one owner.
class CommandTable {
public:
    using Router = std::function<bool(int commandId)>;
    using Handler = std::function<void()>;

    void addRouter(Router router);
    // False, and nothing registered, when the id already has a handler.
    bool add(int commandId, Handler handler);
    bool has(int commandId) const { return m_handlers.contains(commandId); }
    // False when nobody took the id.
    bool dispatch(int commandId) const;

private:
    std::vector<Router> m_routers;
    QHash<int, Handler> m_handlers;
};

} // namespace verbalink
