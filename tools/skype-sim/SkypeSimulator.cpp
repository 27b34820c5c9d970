#include "SkypeSimulator.h"

#include "SimAvatar.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace verbalink::sim {

SkypeSimulator::SkypeSimulator() : SkypeSimulator(desktopapi::ApiState{}) {}

SkypeSimulator::SkypeSimulator(desktopapi::ApiState state, qsizetype messageCapacity)
    : m_api(std::move(state), *this, messageCapacity), m_calls(m_api.state())
{
    addHandler(u"ALTER CALL"_s, [this](const QString& args) { return m_calls.alterCall(args); });
    addHandler(u"GET CALL"_s, [this](const QString& args) { return m_calls.getCall(args); });
}

void SkypeSimulator::addHandler(const QString& key, desktopapi::ApiCommandTable::Handler handler)
{
    m_api.addHandler(key, std::move(handler));
}

QImage SkypeSimulator::picture(const QString& handle) const
{
    if (m_withoutAvatar.contains(handle))
        return {};
    return SimAvatar::picture(handle);
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
        m_api.state().nameAnswer = desktopapi::NameAnswer::Accept;
        return QStringList();
    case Kind::Refuse:
        m_api.state().nameAnswer = desktopapi::NameAnswer::Refuse;
        return QStringList();
    case Kind::Offline:
        m_api.state().nameAnswer = desktopapi::NameAnswer::Offline;
        return QStringList();
    case Kind::Pending:
        m_api.state().namePendingMs = directive.ms;
        return QStringList();
    case Kind::SilentPing:
        m_api.state().silentPing = directive.on;
        return QStringList();
    case Kind::Errors:
        m_api.state().failCommands = directive.on;
        return QStringList();
    case Kind::BusError:
        m_api.state().busErrorNext = true;
        return QStringList();
    case Kind::Stall:
        m_api.state().stallNextMs = directive.ms;
        return QStringList();
    case Kind::Handle:
        m_api.state().ownHandle = directive.text;
        return QStringList();
    case Kind::Language:
        m_api.state().uiLanguage = directive.text;
        return QStringList();
    case Kind::User:
        m_api.state().putUser({directive.text, directive.fullName, directive.language});
        return QStringList();
    case Kind::Avatar:
        setAvatar(directive.text, directive.on);
        return QStringList();
    case Kind::Type:
        return m_api.chats().userTypes(directive.text, directive.body);
    case Kind::Receive:
        return m_api.chats().contactWrites(directive.text, directive.body);
    case Kind::TypeGroup:
        return m_api.chats().userTypesInGroup(directive.body);
    case Kind::ReceiveGroup:
        return m_api.chats().contactWritesInGroup(directive.text, directive.body);
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
    m_withoutAvatar.removeAll(handle);
    if (!on)
        m_withoutAvatar.append(handle);
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
