#include "SimChatList.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace verbalink::sim {

SimChatList::SimChatList(qsizetype capacity) : m_capacity(std::max<qsizetype>(1, capacity)) {}

SimChat SimChatList::dialog(const QString& owner, const QString& partner, bool partnerStarts)
{
    for (const SimChat& chat : std::as_const(m_chats)) {
        if (chat.owner == owner && chat.partner == partner)
            return chat;
    }
    const QString starter = partnerStarts ? partner : owner;
    const QString other = partnerStarts ? owner : partner;
    return append({u'#' + starter + u"/$"_s + other + u';' + nextChatId(), owner, partner});
}

SimChat SimChatList::standingGroup(const QString& owner)
{
    for (const SimChat& chat : std::as_const(m_chats)) {
        if (chat.owner == owner && chat.partner.isEmpty())
            return chat;
    }
    return newGroup(owner);
}

SimChat SimChatList::newGroup(const QString& owner)
{
    return append({u'#' + owner + u"/$"_s + nextChatId(), owner, {}});
}

const SimChat* SimChatList::find(const QString& name) const
{
    for (const SimChat& chat : m_chats) {
        if (chat.name == name)
            return &chat;
    }
    return nullptr;
}

SimChat SimChatList::append(SimChat chat)
{
    if (m_chats.size() >= m_capacity)
        m_chats.removeFirst();
    m_chats.append(chat);
    return chat;
}

QString SimChatList::nextChatId()
{
    return u"%1"_s.arg(m_serial++, 8, 16, QLatin1Char('0'));
}

} // namespace verbalink::sim
