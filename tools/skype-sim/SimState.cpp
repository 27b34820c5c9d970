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

SimUser* SimState::findUser(const QString& handle)
{
    return const_cast<SimUser*>(std::as_const(*this).findUser(handle));
}

void SimState::putUser(const SimUser& user)
{
    for (SimUser& known : users) {
        if (known.handle == user.handle) {
            known.fullName = user.fullName;
            known.language = user.language;
            return;
        }
    }
    users.append(user);
}

} // namespace verbalink::sim
