#include "skype/ContactNotifications.h"

#include "skype/ContactList.h"
#include "skype/LinkOptions.h"
#include "skype/SkypeChannel.h"
#include "skype/SkypeSession.h"
#include "skype/SkypeText.h"

namespace verbalink {

namespace st = skypetext;

ContactNotifications::ContactNotifications(SkypeChannel& channel, ContactList& contacts,
                                           SkypeSession& session, const LinkOptions& options)
    : m_channel(channel), m_contacts(contacts), m_session(session), m_options(options)
{}

void ContactNotifications::handleGroups(QStringView argument, const SkypeEndpoint& from)
{
    QList<qint32> ids;
    for (QStringView token : st::tokens(argument)) {
        // A token that is not a number names no group.
        if (const std::optional<qint32> id = st::toInt32(token))
            ids.append(*id);
    }
    m_contacts.replaceGroups(ids);
    for (qint32 id : ids)
        m_channel.sendCommand(QStringLiteral("GET GROUP %1 TYPE").arg(id), from);
}

void ContactNotifications::handleGroup(QStringView argument, const SkypeEndpoint& from)
{
    const QList<QStringView> parts = st::tokens(argument);
    if (parts.size() < 2)
        return;
    const std::optional<qint32> id = st::toInt32(parts[0]);
    if (!id)
        return;
    if (parts[1] == u"TYPE" && parts.size() >= 3) {
        if (parts[2] == u"ALL_FRIENDS")
            m_channel.sendCommand(QStringLiteral("GET GROUP %1 USERS").arg(*id), from);
        m_contacts.setGroupType(*id, parts[2].toString());
    } else if (parts[1] == u"USERS") {
        handleGroupUsers(parts, from);
    }
}

void ContactNotifications::handleGroupUsers(const QList<QStringView>& parts,
                                            const SkypeEndpoint& from)
{
    QStringList handles;
    handles.reserve(parts.size() - 2);
    for (qsizetype i = 2; i < parts.size(); ++i)
        handles.append(parts[i].toString());
    m_contacts.appendHandles(handles);
    for (const QString& handle : m_contacts.handles())
        m_channel.sendCommand(u"GET USER " % handle % u" FULLNAME", from);
    m_contacts.setUsersPending(false);
}

void ContactNotifications::handleUser(QStringView argument, const SkypeEndpoint& from)
{
    const QList<QStringView> parts = st::tokens(argument, 2);
    if (parts.size() < 2)
        return;
    const QString handle = parts[0].toString();
    const qsizetype propertyAt = st::offsetIn(argument, parts[1]);
    if (parts[1] == u"FULLNAME") {
        // The name starts after the word and its separator.
        const QString name = argument.mid(propertyAt).mid(9).toString();
        m_contacts.setFullName(handle, name);
        m_channel.sendCommand(u"GET USER " % handle % u" LANGUAGE", from);
    } else if (parts[1] == u"LANGUAGE") {
        const QStringView value = st::textAfter(argument, u"LANGUAGE ", propertyAt);
        m_contacts.setLanguage(handle, languageFromValue(value));
    }
}

QByteArray ContactNotifications::languageFromValue(QStringView value)
{
    const qsizetype space = value.indexOf(u' ');
    if (space > 0)
        value = value.left(space);
    if (value.size() < 2)
        return QByteArrayLiteral("en");
    return value.toUtf8();
}

void ContactNotifications::handleChat(QStringView argument, const SkypeEndpoint& from)
{
    const QList<QStringView> parts = st::tokens(argument, 3);
    if (parts.size() < 3 || parts[2] != u"DIALOG")
        return;
    const QString chatName = parts[0].toString();
    const QString partyB = st::textBetween(chatName, u"/$", u";").toString();
    const QString partyA = st::textBetween(chatName, u"#", u"/").toString();
    for (const ContactList::PendingMessage& pending :
         m_contacts.takePendingMessages(partyA, partyB)) {
        if (!m_options.broadcastRunning())
            m_channel.sendCommand(u"OPEN CHAT " % chatName, from);
        // Set before the send: the client may report the message before the send returns.
        m_session.setSelfSentText(pending.text);
        m_channel.sendCommand(u"CHATMESSAGE " % chatName % u' ' % pending.text, from);
    }
}

} // namespace verbalink
