#include "ApiChatList.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace verbalink::desktopapi {

ApiChatList::ApiChatList(qsizetype capacity) : m_capacity(std::max<qsizetype>(1, capacity)) {}

ApiChat ApiChatList::dialog(const QString& owner, const QString& partner, bool partnerStarts)
{
    for (const ApiChat& chat : std::as_const(m_chats)) {
        if (chat.owner == owner && chat.partner == partner)
            return chat;
    }
    const QString starter = partnerStarts ? partner : owner;
    const QString other = partnerStarts ? owner : partner;
    return append({u'#' + starter + u"/$"_s + other + u';' + nextChatId(), owner, partner, {}});
}

ApiChat ApiChatList::standingGroup(const QString& owner)
{
    for (const ApiChat& chat : std::as_const(m_chats)) {
        if (chat.owner == owner && chat.partner.isEmpty())
            return chat;
    }
    return newGroup(owner);
}

ApiChat ApiChatList::newGroup(const QString& owner, const QStringList& members)
{
    return append({u'#' + owner + u"/$"_s + nextChatId(), owner, {}, members});
}

bool ApiChatList::setMembers(const QString& name, const QStringList& members)
{
    for (ApiChat& chat : m_chats) {
        if (chat.name == name) {
            chat.members = members;
            return true;
        }
    }
    return false;
}

const ApiChat* ApiChatList::find(const QString& name) const
{
    for (const ApiChat& chat : m_chats) {
        if (chat.name == name)
            return &chat;
    }
    return nullptr;
}

ApiChat ApiChatList::append(ApiChat chat)
{
    if (m_chats.size() >= m_capacity)
        m_chats.removeFirst();
    m_chats.append(chat);
    return chat;
}

QString ApiChatList::nextChatId()
{
    return u"%1"_s.arg(m_serial++, 8, 16, QLatin1Char('0'));
}

} // namespace verbalink::desktopapi
