#include "skype/NotificationDispatcher.h"

#include "platform/Clock.h"
#include "skype/ChatMessageEvent.h"
#include "skype/LinkOptions.h"
#include "skype/LinkState.h"
#include "skype/SkypeHandlers.h"
#include "skype/SkypeSession.h"
#include "skype/SkypeText.h"

namespace verbalink {

NotificationDispatcher::NotificationDispatcher(SkypeChannel& channel, LinkState& state,
                                               Clock& clock, SkypeSession& session,
                                               ContactList& contacts, CallState& call,
                                               const LinkOptions& options,
                                               const SkypeHandlers& handlers)
    : m_state(state), m_clock(clock), m_session(session), m_options(options), m_handlers(handlers),
      m_contactNotifications(channel, contacts, session, options),
      m_callNotifications(channel, call, handlers)
{}

void NotificationDispatcher::dispatch(const QString& line, const SkypeEndpoint& from)
{
    const auto [kind, argument] = skypetext::splitKind(line);
    if (kind == u"MESSAGE" || kind == u"CHATMESSAGE")
        handleChatMessage(argument, from);
    else if (kind == u"UI_LANGUAGE")
        handleUiLanguage(argument);
    else if (kind == u"CURRENTUSERHANDLE")
        handleCurrentUserHandle(argument);
    else if (kind == u"PONG")
        m_state.setLastPongMs(m_clock.nowMs());
    else if (kind == u"GROUPS")
        m_contactNotifications.handleGroups(argument, from);
    else if (kind == u"GROUP")
        m_contactNotifications.handleGroup(argument, from);
    else if (kind == u"USER")
        m_contactNotifications.handleUser(argument, from);
    else if (kind == u"CHAT")
        m_contactNotifications.handleChat(argument, from);
    else if (kind == u"CALL")
        m_callNotifications.handle(argument, from);
}

void NotificationDispatcher::handleChatMessage(QStringView argument, const SkypeEndpoint& from)
{
    if (const std::optional<ChatMessageEvent> event = ChatMessageEvent::parse(argument))
        m_handlers.onChatMessageEvent(*event, from);
}

void NotificationDispatcher::handleUiLanguage(QStringView argument)
{
    const bool changed = m_session.replaceUiLanguage(argument.toUtf8());
    if (changed && m_options.interfaceLanguageChoice() == LinkOptions::AutomaticInterfaceLanguage)
        m_handlers.onRelabelMenus();
}

void NotificationDispatcher::handleCurrentUserHandle(QStringView argument)
{
    m_session.setCurrentUserHandle(argument.toString());
    m_handlers.onCurrentUserHandle(m_session.currentUserHandle());
}

} // namespace verbalink
