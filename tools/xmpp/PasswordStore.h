#pragma once

#include <QString>

namespace verbalink::xmpp {

// The account's password in the desktop's secret store (Secret Service or KWallet, through
// QtKeychain), never in a plain file: with no secret store running, reading and writing fail
// with a reason and the password has to be given again at the next start.
class PasswordStore {
public:
    enum class Outcome {
        Done,
        // The store runs but holds no password for the account.
        Missing,
        // No secret store runs (or it refused access): nothing can be kept in it.
        Unavailable,
        Failed,
    };

    static Outcome read(const QString& jid, QString& password, QString& error);
    static Outcome write(const QString& jid, const QString& password, QString& error);
};

} // namespace verbalink::xmpp
