#include "SimState.h"

namespace verbalink::sim {

const SimUser* SimState::findUser(const QString& handle) const
{
    for (const SimUser& user : users) {
        if (user.handle == handle)
            return &user;
    }
    return nullptr;
}

void SimState::putUser(const SimUser& user)
{
    for (SimUser& known : users) {
        if (known.handle == user.handle) {
            known = user;
            return;
        }
    }
    users.append(user);
}

} // namespace verbalink::sim
