#include "ContactBook.h"

#include "ApiState.h"

using namespace Qt::StringLiterals;

namespace verbalink::xmpp {

ContactBook::ContactBook(desktopapi::ApiState& state) : m_state(state) {}

void ContactBook::putRosterItem(const QString& handle, const QString& rosterName)
{
    Person& person = m_people[handle];
    person.rosterName = rosterName;
    person.inRoster = true;
    publish(handle);
}

// Removed from the roster, they stay a user while chats still name them.
void ContactBook::removeRosterItem(const QString& handle)
{
    const auto found = m_people.find(handle);
    if (found == m_people.end())
        return;
    found->inRoster = false;
    found->rosterName.clear();
    publish(handle);
}

void ContactBook::meet(const QString& handle, const QString& nick)
{
    Person& person = m_people[handle];
    if (!nick.isEmpty())
        person.nick = nick;
    publish(handle);
}

void ContactBook::setCardName(const QString& handle, const QString& fullName)
{
    m_people[handle].cardName = fullName;
    publish(handle);
}

void ContactBook::setPhoto(const QString& handle, const QImage& photo)
{
    m_people[handle].photo = photo;
}

void ContactBook::chooseLanguage(const QString& handle, const QString& code)
{
    m_people[handle].chosenLanguage = primaryLanguage(code);
    publish(handle);
}

void ContactBook::heardLanguage(const QString& handle, const QString& xmlLang)
{
    const QString code = primaryLanguage(xmlLang);
    if (code.isEmpty())
        return;
    m_people[handle].heardLanguage = code;
    publish(handle);
}

QImage ContactBook::picture(const QString& handle) const
{
    return m_people.value(handle).photo;
}

QString ContactBook::primaryLanguage(const QString& xmlLang)
{
    const QString primary = xmlLang.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
    if (primary.size() < 2 || primary.size() > 3)
        return {};
    for (const QChar c : primary) {
        if (c < u'a' || c > u'z')
            return {};
    }
    return primary;
}

void ContactBook::publish(const QString& handle)
{
    const Person& person = m_people[handle];
    desktopapi::ApiUser user;
    user.handle = handle;
    user.fullName = !person.rosterName.isEmpty() ? person.rosterName
                    : !person.cardName.isEmpty() ? person.cardName
                                                 : person.nick;
    user.language = !person.chosenLanguage.isEmpty() ? person.chosenLanguage : person.heardLanguage;
    user.isFriend = person.inRoster;
    m_state.putUser(user);
}

} // namespace verbalink::xmpp
