#pragma once

#include "ApiResponse.h"

namespace verbalink::desktopapi {

class ApiWorld;
struct ApiState;

// The contact side of the client: the hardwired groups, whose friends group holds every user,
// and the users' details and pictures (written as JPEG files where the program asks).
class ApiContacts {
public:
    static constexpr int AllUsersGroup = 11;
    static constexpr int FriendsGroup = 12;

    ApiContacts(const ApiState& state, const ApiWorld& world);

    // SEARCH GROUPS HARDWIRED | CUSTOM
    ApiResponse searchGroups(const QString& arguments) const;
    // GET GROUP <id> TYPE | USERS
    ApiResponse getGroup(const QString& arguments) const;
    // GET USER <handle> FULLNAME | LANGUAGE | AVATAR 1 <path>
    ApiResponse getUser(const QString& arguments) const;

    // The English name of a language code ("German" for "de"); empty when it is not known.
    static QString languageName(const QString& code);

private:
    ApiResponse avatar(const QString& handle, const QString& request) const;

    const ApiState& m_state;
    const ApiWorld& m_world;
};

} // namespace verbalink::desktopapi
