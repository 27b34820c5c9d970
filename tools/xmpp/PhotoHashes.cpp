#include "PhotoHashes.h"

namespace verbalink::xmpp {

bool PhotoHashes::announce(const QString& bareJid, const QString& hash)
{
    const QString normal = hash.trimmed().toLower();
    const bool changed = m_hashes.value(bareJid) != normal;
    m_hashes.insert(bareJid, normal);
    return changed;
}

} // namespace verbalink::xmpp
