#include "PartnerLogin.h"

#include "ProsodyServer.h"

namespace verbalink::testing {

PartnerLogin PartnerLogin::to(const ProsodyServer& server, const QString& user)
{
    PartnerLogin login;
    login.jid = server.jid(user);
    login.password = server.password(user);
    login.port = server.port();
    login.tls = server.tls();
    login.fingerprint = server.fingerprint();
    return login;
}

} // namespace verbalink::testing
