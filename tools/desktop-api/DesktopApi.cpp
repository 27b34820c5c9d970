#include "DesktopApi.h"

#include <QStringList>
#include <utility>

using namespace Qt::StringLiterals;

namespace verbalink::desktopapi {

DesktopApi::DesktopApi(ApiState state, const ApiWorld& world, qsizetype messageCapacity)
    : m_state(std::move(state)), m_world(world), m_contacts(m_state, world),
      m_chats(m_state, messageCapacity)
{
    addBuiltInHandlers();
}

ApiResponse DesktopApi::handle(const QString& command)
{
    ApiResponse response;
    // A command answered by a bus error is lost with its answer: nothing it would do happens.
    if (std::exchange(m_state.busErrorNext, false))
        response.busError = u"org.freedesktop.DBus.Error.Failed"_s;
    else
        response = respond(command);
    response.stallMs = std::exchange(m_state.stallNextMs, 0);
    return response;
}

ApiResponse DesktopApi::respond(const QString& command)
{
    if (m_state.failCommands)
        return answer(u"ERROR 9 Command failed"_s);
    const std::optional<ApiCommandTable::Match> match = m_commands.find(command);
    if (!match)
        return answer(u"ERROR 2 Unknown command"_s);
    return match->handler(match->arguments);
}

void DesktopApi::addHandler(const QString& key, ApiCommandTable::Handler handler)
{
    m_commands.add(key, std::move(handler));
}

void DesktopApi::addBuiltInHandlers()
{
    addHandler(u"NAME"_s, [this](const QString& args) { return name(args); });
    addHandler(u"PROTOCOL"_s, [this](const QString& args) { return protocol(args); });
    addHandler(u"CREATE APPLICATION"_s,
               [this](const QString& args) { return createApplication(args); });
    addHandler(u"GET CURRENTUSERHANDLE"_s, [this](const QString&) {
        return answer(u"CURRENTUSERHANDLE "_s + m_state.ownHandle);
    });
    addHandler(u"GET UI_LANGUAGE"_s,
               [this](const QString&) { return answer(u"UI_LANGUAGE "_s + m_state.uiLanguage); });
    addHandler(u"PING"_s, [this](const QString&) { return ping(); });
    addHandler(u"SEARCH GROUPS"_s,
               [this](const QString& args) { return m_contacts.searchGroups(args); });
    addHandler(u"GET GROUP"_s, [this](const QString& args) { return m_contacts.getGroup(args); });
    addHandler(u"GET USER"_s, [this](const QString& args) { return m_contacts.getUser(args); });
    addHandler(u"CHAT CREATE"_s, [this](const QString& args) { return m_chats.createChat(args); });
    addHandler(u"OPEN CHAT"_s, [this](const QString& args) { return m_chats.openChat(args); });
    addHandler(u"CHATMESSAGE"_s, [this](const QString& args) { return m_chats.post(args); });
    addHandler(u"GET CHATMESSAGE"_s,
               [this](const QString& args) { return m_chats.getMessage(args); });
    addHandler(u"SET CHATMESSAGE"_s,
               [this](const QString& args) { return m_chats.setMessage(args); });
    addHandler(u"GET CHAT"_s, [this](const QString& args) { return m_chats.getChat(args); });
}

ApiResponse DesktopApi::name(const QString& application)
{
    if (application.trimmed().isEmpty())
        return answer(u"ERROR 1 NAME: application name missing"_s);
    ApiResponse response;
    response.replyDelayMs = m_state.namePendingMs;
    switch (m_state.nameAnswer) {
    case NameAnswer::Accept:
        response.reply = u"OK"_s;
        response.attachesCaller = true;
        m_state.attachedApp = application.trimmed();
        break;
    case NameAnswer::Refuse:
        response.reply = u"ERROR 68"_s;
        break;
    case NameAnswer::Offline:
        response.reply = u"CONNSTATUS OFFLINE"_s;
        break;
    }
    return response;
}

ApiResponse DesktopApi::protocol(const QString& version) const
{
    bool isNumber = false;
    const int wanted = version.trimmed().toInt(&isNumber);
    if (!isNumber || wanted < 1)
        return answer(u"ERROR 3 PROTOCOL: invalid version"_s);
    return answer(u"PROTOCOL "_s + QString::number(std::min(wanted, m_state.maxProtocol)));
}

ApiResponse DesktopApi::createApplication(const QString& application) const
{
    if (application.trimmed().isEmpty())
        return answer(u"ERROR 536 CREATE: application name missing"_s);
    return answer(u"CREATE APPLICATION "_s + application.trimmed());
}

ApiResponse DesktopApi::ping() const
{
    // A silent client takes the command but never says PONG.
    return answer(m_state.silentPing ? QString() : u"PONG"_s);
}

} // namespace verbalink::desktopapi
