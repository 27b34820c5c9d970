#include "ApiContacts.h"

#include "ApiState.h"
#include "ApiWorld.h"

#include <QImageWriter>
#include <QLocale>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace verbalink::desktopapi {

namespace {

// The client names the language after its code: "de German".
QString languageOf(const QString& code)
{
    const QString name = ApiContacts::languageName(code);
    return name.isEmpty() ? code : code + u' ' + name;
}

} // namespace

ApiContacts::ApiContacts(const ApiState& state, const ApiWorld& world)
    : m_state(state), m_world(world)
{}

QString ApiContacts::languageName(const QString& code)
{
    if (code.isEmpty())
        return {};
    const QLocale::Language language = QLocale(code).language();
    if (language == QLocale::C || language == QLocale::AnyLanguage)
        return {};
    return QLocale::languageToString(language);
}

ApiResponse ApiContacts::searchGroups(const QString& arguments) const
{
    const QString which = arguments.trimmed().toUpper();
    if (which == u"HARDWIRED")
        return answer(u"GROUPS %1, %2"_s.arg(AllUsersGroup).arg(FriendsGroup));
    if (which == u"CUSTOM")
        return answer(u"GROUPS "_s);
    return answer(u"ERROR 7 SEARCH GROUPS: invalid type"_s);
}

ApiResponse ApiContacts::getGroup(const QString& arguments) const
{
    const QStringList words = arguments.split(u' ', Qt::SkipEmptyParts);
    if (words.size() != 2)
        return answer(u"ERROR 7 GET: invalid WHAT"_s);
    bool isNumber = false;
    const int id = words.at(0).toInt(&isNumber);
    if (!isNumber || (id != AllUsersGroup && id != FriendsGroup))
        return answer(u"ERROR 548 GET GROUP: invalid group id"_s);
    const QString prefix = u"GROUP "_s + QString::number(id) + u' ';
    const QString property = words.at(1).toUpper();
    if (property == u"TYPE")
        return answer(prefix + (id == FriendsGroup ? u"TYPE ALL_FRIENDS"_s : u"TYPE ALL_USERS"_s));
    if (property == u"USERS") {
        QStringList handles;
        for (const ApiUser& user : m_state.users) {
            if (user.isFriend || id == AllUsersGroup)
                handles.append(user.handle);
        }
        return answer(prefix + u"USERS "_s + handles.join(u", "_s));
    }
    return answer(u"ERROR 10 Invalid property"_s);
}

ApiResponse ApiContacts::getUser(const QString& arguments) const
{
    const auto [handle, rest] = firstWord(arguments);
    const auto [propertyWord, request] = firstWord(rest);
    if (handle.isEmpty() || propertyWord.isEmpty())
        return answer(u"ERROR 7 GET: invalid WHAT"_s);
    const ApiUser* user = m_state.findUser(handle);
    if (!user)
        return answer(u"ERROR 26 Invalid user handle"_s);
    const QString property = propertyWord.toUpper();
    if (property == u"AVATAR")
        return avatar(user->handle, request);
    if (!request.trimmed().isEmpty())
        return answer(u"ERROR 7 GET: invalid WHAT"_s);
    if (property == u"FULLNAME")
        return answer(u"USER "_s + user->handle + u" FULLNAME "_s + user->fullName);
    if (property == u"LANGUAGE")
        return answer(u"USER "_s + user->handle + u" LANGUAGE "_s + languageOf(user->language));
    return answer(u"ERROR 10 Invalid property"_s);
}

// AVATAR 1 <path>: the picture is saved at path, which may hold spaces.
ApiResponse ApiContacts::avatar(const QString& handle, const QString& request) const
{
    const auto [index, path] = firstWord(request);
    if (index != u"1" || path.isEmpty())
        return answer(u"ERROR 7 GET: invalid WHAT"_s);
    const QImage picture = m_world.picture(handle);
    if (picture.isNull())
        return answer(u"ERROR 122 GET AVATAR: no picture for "_s + handle);
    QImageWriter writer(path, "jpeg");
    writer.setQuality(90);
    if (!writer.write(picture))
        return answer(u"ERROR 114 GET AVATAR: cannot write "_s + path + u": "_s +
                      writer.errorString());
    return answer(u"USER "_s + handle + u" AVATAR 1 "_s + path);
}

} // namespace verbalink::desktopapi
