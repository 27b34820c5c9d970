#pragma once

#include <QString>

namespace verbalink::xmpp {

// The password for headless use and tests: the first line of a file that only its owner may
// read (mode 0600 or stricter); any other file is refused, since a password readable by others
// is no secret.
class PasswordFile {
public:
    // False with a reason when the file is missing, unreadable, too open or empty.
    static bool read(const QString& path, QString& password, QString& error);
};

} // namespace verbalink::xmpp
