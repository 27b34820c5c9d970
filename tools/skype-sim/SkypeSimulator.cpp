#include "SkypeSimulator.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace verbalink::sim {

namespace {

SimResponse answer(const QString& reply)
{
    SimResponse response;
    response.reply = reply;
    return response;
}

} // namespace

SkypeSimulator::SkypeSimulator() : SkypeSimulator(SimState{}) {}

SkypeSimulator::SkypeSimulator(SimState state) : m_state(std::move(state))
{
    addBuiltInHandlers();
}

SimResponse SkypeSimulator::handle(const QString& command)
{
    const std::optional<SimCommandTable::Match> match = m_commands.find(command);
    if (!match)
        return answer(u"ERROR 2 Unknown command"_s);
    return match->handler(match->arguments);
}

void SkypeSimulator::addHandler(const QString& key, SimCommandTable::Handler handler)
{
    m_commands.add(key, std::move(handler));
}

void SkypeSimulator::addBuiltInHandlers()
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
    addHandler(u"GET USER"_s, [this](const QString& args) { return getUser(args); });
}

SimResponse SkypeSimulator::name(const QString& application)
{
    if (application.trimmed().isEmpty())
        return answer(u"ERROR 1 NAME: application name missing"_s);
    SimResponse response;
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

SimResponse SkypeSimulator::protocol(const QString& version) const
{
    bool isNumber = false;
    const int wanted = version.trimmed().toInt(&isNumber);
    if (!isNumber || wanted < 1)
        return answer(u"ERROR 3 PROTOCOL: invalid version"_s);
    return answer(u"PROTOCOL "_s + QString::number(std::min(wanted, m_state.maxProtocol)));
}

SimResponse SkypeSimulator::createApplication(const QString& application) const
{
    if (application.trimmed().isEmpty())
        return answer(u"ERROR 536 CREATE: application name missing"_s);
    return answer(u"CREATE APPLICATION "_s + application.trimmed());
}

SimResponse SkypeSimulator::ping() const
{
    // A silent client takes the command but never says PONG.
    return answer(m_state.silentPing ? QString() : u"PONG"_s);
}

// GET USER <handle> FULLNAME | LANGUAGE
SimResponse SkypeSimulator::getUser(const QString& arguments) const
{
    const QStringList words = arguments.split(u' ', Qt::SkipEmptyParts);
    if (words.size() != 2)
        return answer(u"ERROR 7 GET: invalid WHAT"_s);
    const SimUser* user = m_state.findUser(words.at(0));
    if (!user)
        return answer(u"ERROR 26 Invalid user handle"_s);
    const QString property = words.at(1).toUpper();
    if (property == u"FULLNAME")
        return answer(u"USER "_s + user->handle + u" FULLNAME "_s + user->fullName);
    if (property == u"LANGUAGE")
        return answer(u"USER "_s + user->handle + u" LANGUAGE "_s + user->language);
    return answer(u"ERROR 10 Invalid property"_s);
}

bool SkypeSimulator::apply(const SimDirective& directive)
{
    using Kind = SimDirective::Kind;
    switch (directive.kind) {
    case Kind::Accept:
        m_state.nameAnswer = NameAnswer::Accept;
        return true;
    case Kind::Refuse:
        m_state.nameAnswer = NameAnswer::Refuse;
        return true;
    case Kind::Offline:
        m_state.nameAnswer = NameAnswer::Offline;
        return true;
    case Kind::Pending:
        m_state.namePendingMs = directive.ms;
        return true;
    case Kind::SilentPing:
        m_state.silentPing = directive.on;
        return true;
    case Kind::Handle:
        m_state.ownHandle = directive.text;
        return true;
    case Kind::Language:
        m_state.uiLanguage = directive.text;
        return true;
    case Kind::User:
        m_state.putUser({directive.text, directive.fullName, directive.language});
        return true;
    case Kind::Nothing:
    case Kind::Notify:
    case Kind::Sleep:
    case Kind::Vanish:
    case Kind::Quit:
        return false;
    }
    return false;
}

} // namespace verbalink::sim
