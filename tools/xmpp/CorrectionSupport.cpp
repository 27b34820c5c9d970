#include "CorrectionSupport.h"

#include "MessageCorrection.h"

#include <gloox/disco.h>

namespace verbalink::xmpp {

void CorrectionSupport::resourceOnline(const QString& fullJid)
{
    if (m_asked.contains(fullJid))
        return;
    m_asked.insert(fullJid);
    m_disco.getDiscoInfo(gloox::JID(fullJid.toStdString()), std::string(), this, 0);
}

void CorrectionSupport::resourceOffline(const QString& fullJid)
{
    m_asked.remove(fullJid);
    m_correcting.remove(fullJid);
}

bool CorrectionSupport::supports(const QString& bareJid) const
{
    for (const QString& full : m_correcting) {
        if (full.section(u'/', 0, 0) == bareJid)
            return true;
    }
    return false;
}

void CorrectionSupport::handleDiscoInfo(const gloox::JID& from, const gloox::Disco::Info& info, int)
{
    const QString full = QString::fromStdString(from.full());
    if (info.hasFeature(MessageCorrection::ns()))
        m_correcting.insert(full);
    else
        m_correcting.remove(full);
}

} // namespace verbalink::xmpp
