#include "SkypeSimulator.h"

#include <QStringList>
#include <utility>

using namespace Qt::StringLiterals;

namespace verbalink::sim {

SkypeSimulator::SkypeSimulator() : SkypeSimulator(SimState{}) {}

SkypeSimulator::SkypeSimulator(SimState state, qsizetype messageCapacity)
    : m_state(std::move(state)), m_contacts(m_state), m_chats(m_state, messageCapacity),
      m_calls(m_state)
{
    addBuiltInHandlers();
}

SimResponse SkypeSimulator::handle(const QString& command)
{
    SimResponse response;
    // A command answered by a bus error is lost with its answer: nothing it would do happens.
    if (std::exchange(m_state.busErrorNext, false))
        response.busError = u"org.freedesktop.DBus.Error.Failed"_s;
    else
        response = respond(command);
    response.stallMs = std::exchange(m_state.stallNextMs, 0);
    return response;
}

SimResponse SkypeSimulator::respond(const QString& command)
{
    if (m_state.failCommands)
        return answer(u"ERROR 9 Command failed"_s);
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
    addHandler(u"ALTER CALL"_s, [this](const QString& args) { return m_calls.alterCall(args); });
    addHandler(u"GET CALL"_s, [this](const QString& args) { return m_calls.getCall(args); });
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

std::optional<QStringList> SkypeSimulator::apply(const SimDirective& directive)
{
    QString ignored;
    return apply(directive, ignored);
}

std::optional<QStringList> SkypeSimulator::apply(const SimDirective& directive, QString& error)
{
    using Kind = SimDirective::Kind;
    switch (directive.kind) {
    case Kind::Accept:
        m_state.nameAnswer = NameAnswer::Accept;
        return QStringList();
    case Kind::Refuse:
        m_state.nameAnswer = NameAnswer::Refuse;
        return QStringList();
    case Kind::Offline:
        m_state.nameAnswer = NameAnswer::Offline;
        return QStringList();
    case Kind::Pending:
        m_state.namePendingMs = directive.ms;
        return QStringList();
    case Kind::SilentPing:
        m_state.silentPing = directive.on;
        return QStringList();
    case Kind::Errors:
        m_state.failCommands = directive.on;
        return QStringList();
    case Kind::BusError:
        m_state.busErrorNext = true;
        return QStringList();
    case Kind::Stall:
        m_state.stallNextMs = directive.ms;
        return QStringList();
    case Kind::Handle:
        m_state.ownHandle = directive.text;
        return QStringList();
    case Kind::Language:
        m_state.uiLanguage = directive.text;
        return QStringList();
    case Kind::User:
        m_state.putUser({directive.text, directive.fullName, directive.language});
        return QStringList();
    case Kind::Avatar:
        setAvatar(directive.text, directive.on);
        return QStringList();
    case Kind::Type:
        return m_chats.userTypes(directive.text, directive.body);
    case Kind::Receive:
        return m_chats.contactWrites(directive.text, directive.body);
    case Kind::TypeGroup:
        return m_chats.userTypesInGroup(directive.body);
    case Kind::ReceiveGroup:
        return m_chats.contactWritesInGroup(directive.text, directive.body);
    case Kind::Call:
        return startCall(directive, error);
    case Kind::CallEnd:
        return m_calls.end(directive.text, error);
    case Kind::CallInput:
        m_calls.setInputFile(directive.text);
        return QStringList();
    case Kind::Nothing:
    case Kind::Notify:
    case Kind::Sleep:
    case Kind::WaitAttach:
    case Kind::Vanish:
    case Kind::Quit:
        return std::nullopt;
    }
    return std::nullopt;
}

void SkypeSimulator::setAvatar(const QString& handle, bool on)
{
    m_state.withoutAvatar.removeAll(handle);
    if (!on)
        m_state.withoutAvatar.append(handle);
}

QStringList SkypeSimulator::startCall(const SimDirective& directive, QString& error)
{
    SimCall call;
    call.id = directive.call;
    call.partner = directive.text;
    call.micFile = directive.micFile;
    call.outputFile = directive.outputFile;
    return m_calls.start(call, error);
}

} // namespace verbalink::sim
