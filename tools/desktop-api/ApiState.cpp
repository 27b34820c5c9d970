#include "ApiState.h"

namespace verbalink::desktopapi {

const ApiUser* ApiState::findUser(const QString& handle) const
{
    for (const ApiUser& user : users) {
        if (user.handle == handle)
            return &user;
    }
    return nullptr;
}

ApiUser* ApiState::findUser(const QString& handle)
{
    return const_cast<ApiUser*>(std::as_const(*this).findUser(handle));
}

void ApiState::putUser(const ApiUser& user)
{
    for (ApiUser& known : users) {
        if (known.handle == user.handle) {
            known.fullName = user.fullName;
            known.language = user.language;
            known.isFriend = user.isFriend;
            return;
        }
    }
    users.append(user);
}

void ApiState::removeUser(const QString& handle)
{
    users.removeIf([&handle](const ApiUser& user) { return user.handle == handle; });
}

} // namespace verbalink::desktopapi
