#pragma once

#include <QString>

namespace verbalink::xmpp {

// The account's password in the desktop's secret store (Secret Service or KWallet, through
// QtKeychain), never in a plain file: with no secret store running, reading and writing fail
// with a reason and the password has to be given again at the next start.
class PasswordStore {
public:
    static bool read(const QString& jid, QString& password, QString& error);
    static bool write(const QString& jid, const QString& password, QString& error);
};

} // namespace verbalink::xmpp
