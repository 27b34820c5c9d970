#include "HandleTable.h"

#include "ApiChats.h"

using namespace Qt::StringLiterals;

namespace verbalink::xmpp {

namespace {

bool delimitsChatNames(QChar c)
{
    return c.isSpace() || c == u'#' || c == u'/' || c == u'$' || c == u';' || c == u',';
}

QString withoutDelimiters(const QString& text)
{
    QString cleaned;
    cleaned.reserve(text.size());
    for (const QChar c : text)
        cleaned += delimitsChatNames(c) ? u'_' : c;
    return cleaned;
}

} // namespace

QString HandleTable::forJid(const QString& bareJid)
{
    return assign(bareJid, withoutDelimiters(bareJid));
}

QString HandleTable::forOccupant(const QString& roomJid, const QString& nick,
                                 const QString& realBareJid)
{
    if (!realBareJid.isEmpty())
        return forJid(realBareJid);
    return assign(roomJid + u'/' + nick,
                  withoutDelimiters(nick) + u'~' + withoutDelimiters(roomJid));
}

QString HandleTable::addressOf(const QString& handle) const
{
    return m_addressOf.value(handle);
}

// Two addresses that clean up to the same text get the second one numbered.
QString HandleTable::assign(const QString& address, const QString& wanted)
{
    if (const auto known = m_handleOf.constFind(address); known != m_handleOf.cend())
        return *known;
    QString handle = wanted.isEmpty() ? u"_"_s : wanted;
    for (int serial = 2; m_addressOf.contains(handle); ++serial)
        handle = wanted + u'~' + QString::number(serial);
    Q_ASSERT(desktopapi::ApiChats::isValidHandle(handle));
    m_handleOf.insert(address, handle);
    m_addressOf.insert(handle, address);
    return handle;
}

} // namespace verbalink::xmpp
