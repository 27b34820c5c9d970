#pragma once

#include <QHash>
#include <QString>

namespace verbalink::xmpp {

// The photo hash each contact's presence announces (vCard-based avatars): a hash that differs
// from the one seen last means a new photo, so the vCard is fetched again. An empty hash is no
// photo; a contact never seen before counts as having had none.
class PhotoHashes {
public:
    // Records the hash; true when the contact's photo changed with it.
    bool announce(const QString& bareJid, const QString& hash);

private:
    QHash<QString, QString> m_hashes;
};

} // namespace verbalink::xmpp
