#include "app/commands/CommandTable.h"

namespace verbalink {

void CommandTable::addRouter(Router router)
{
    m_routers.push_back(std::move(router));
}

bool CommandTable::add(int commandId, Handler handler)
{
    if (m_handlers.contains(commandId))
        return false;
    m_handlers.insert(commandId, std::move(handler));
    return true;
}

bool CommandTable::dispatch(int commandId) const
{
    for (const Router& router : m_routers) {
        if (router(commandId))
            return true;
    }
    const auto handler = m_handlers.constFind(commandId);
    if (handler == m_handlers.constEnd())
        return false;
    (*handler)();
    return true;
}

} // namespace verbalink
