#pragma once

#include "SimResponse.h"

namespace verbalink::sim {

struct SimState;

// The contact side of the simulated client: the hardwired groups, whose friends group holds
// every scripted user, and the users' details and pictures.
class SimContacts {
public:
    static constexpr int AllUsersGroup = 11;
    static constexpr int FriendsGroup = 12;

    explicit SimContacts(const SimState& state);

    // SEARCH GROUPS HARDWIRED | CUSTOM
    SimResponse searchGroups(const QString& arguments) const;
    // GET GROUP <id> TYPE | USERS
    SimResponse getGroup(const QString& arguments) const;
    // GET USER <handle> FULLNAME | LANGUAGE | AVATAR 1 <path>
    SimResponse getUser(const QString& arguments) const;

    // The English name of a language code ("German" for "de"); empty when it is not known.
    static QString languageName(const QString& code);

private:
    SimResponse avatar(const QString& handle, bool hasAvatar, const QString& request) const;

    const SimState& m_state;
};

} // namespace verbalink::sim
