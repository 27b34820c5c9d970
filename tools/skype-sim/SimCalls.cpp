#include "SimCalls.h"

#include "ApiState.h"

#include <QRegularExpression>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace verbalink::sim {

namespace {

QString statusLine(const QString& id, const QString& status)
{
    return u"CALL "_s + id + u" STATUS "_s + status;
}

std::optional<SimCallStream> streamNamed(const QString& action)
{
    if (action == u"SET_CAPTURE_MIC")
        return SimCallStream::Microphone;
    if (action == u"SET_OUTPUT")
        return SimCallStream::Output;
    if (action == u"SET_INPUT")
        return SimCallStream::Input;
    return std::nullopt;
}

} // namespace

SimCalls::SimCalls(const desktopapi::ApiState& state) : m_state(state) {}

desktopapi::ApiResponse SimCalls::alterCall(const QString& arguments)
{
    static const QRegularExpression form(uR"re(^(\S+) (\S+?)(?: PORT="(\d{1,5})")?$)re"_s);
    const QString id = desktopapi::firstWord(arguments).first;
    SimCall* call = findInProgress(id);
    if (!call)
        return desktopapi::answer(u"ERROR 11 Invalid call id"_s);
    const QRegularExpressionMatch match = form.match(arguments);
    const std::optional<SimCallStream> stream =
        match.hasMatch() ? streamNamed(match.captured(2).toUpper()) : std::nullopt;
    if (!stream)
        return desktopapi::answer(u"ERROR 12 ALTER CALL: unknown action or malformed port"_s);
    SimCallEvent event{SimCallEvent::Kind::Unrouted, *call, *stream, 0};
    QString reply = u"ALTER CALL "_s + id + u' ' + match.captured(2).toUpper();
    if (match.hasCaptured(3)) {
        const int port = match.captured(3).toInt();
        if (port < 1 || port > 65535)
            return desktopapi::answer(u"ERROR 13 ALTER CALL: port out of range"_s);
        event.kind = SimCallEvent::Kind::Routed;
        event.port = quint16(port);
        reply += u" PORT=\""_s + QString::number(port) + u'"';
    }
    tell(event);
    return desktopapi::answer(reply);
}

desktopapi::ApiResponse SimCalls::getCall(const QString& arguments) const
{
    const QStringList words = arguments.split(u' ');
    const SimCall* call = words.isEmpty() ? nullptr : find(words.first());
    if (!call)
        return desktopapi::answer(u"ERROR 11 Invalid call id"_s);
    const QString property = words.size() == 2 ? words.at(1).toUpper() : QString();
    QString value;
    if (property == u"PARTNER_HANDLE") {
        value = call->partner;
    } else if (property == u"PARTNER_DISPNAME") {
        const desktopapi::ApiUser* user = m_state.findUser(call->partner);
        value = user && !user->fullName.isEmpty() ? user->fullName : call->partner;
    } else if (property == u"STATUS") {
        value = call->inProgress ? u"INPROGRESS"_s : u"FINISHED"_s;
    } else {
        return desktopapi::answer(u"ERROR 12 GET CALL: unknown property"_s);
    }
    return desktopapi::answer(u"CALL "_s + call->id + u' ' + property + u' ' + value);
}

QStringList SimCalls::start(const SimCall& call, QString& error)
{
    if (findInProgress(call.id)) {
        error = u"call "_s + call.id + u" is in progress already"_s;
        return {};
    }
    // A finished call's id may be used again; the old record goes.
    m_calls.removeIf([&call](const SimCall& known) { return known.id == call.id; });
    forgetOldFinished();
    m_calls.append(call);
    m_calls.last().inProgress = true;
    m_calls.last().seconds = 0;
    tell({SimCallEvent::Kind::Started, m_calls.last(), SimCallStream::Microphone, 0});
    return {statusLine(call.id, u"INPROGRESS"_s)};
}

QStringList SimCalls::end(const QString& id, QString& error)
{
    SimCall* call = findInProgress(id);
    if (!call) {
        error = u"no call "_s + id + u" in progress"_s;
        return {};
    }
    call->inProgress = false;
    tell({SimCallEvent::Kind::Ended, *call, SimCallStream::Microphone, 0});
    return {statusLine(id, u"FINISHED"_s)};
}

QString SimCalls::tick(const QString& id)
{
    SimCall* call = findInProgress(id);
    if (!call)
        return {};
    ++call->seconds;
    return u"CALL "_s + id + u" DURATION "_s + QString::number(call->seconds);
}

const SimCall* SimCalls::find(const QString& id) const
{
    for (const SimCall& call : m_calls) {
        if (call.id == id)
            return &call;
    }
    return nullptr;
}

QString SimCalls::inProgressWith(const QString& handle) const
{
    for (const SimCall& call : m_calls) {
        if (call.inProgress && call.partner == handle)
            return call.id;
    }
    return {};
}

QStringList SimCalls::partnersInProgress() const
{
    QStringList partners;
    for (const SimCall& call : m_calls) {
        if (call.inProgress)
            partners.append(call.partner);
    }
    return partners;
}

void SimCalls::forgetOldFinished()
{
    const qsizetype finished = std::count_if(m_calls.cbegin(), m_calls.cend(),
                                             [](const SimCall& call) { return !call.inProgress; });
    if (finished < FinishedCapacity)
        return;
    m_calls.removeAt(std::find_if(m_calls.cbegin(), m_calls.cend(),
                                  [](const SimCall& call) { return !call.inProgress; }) -
                     m_calls.cbegin());
}

SimCall* SimCalls::findInProgress(const QString& id)
{
    SimCall* call = const_cast<SimCall*>(std::as_const(*this).find(id));
    return call && call->inProgress ? call : nullptr;
}

void SimCalls::tell(const SimCallEvent& event) const
{
    for (const Listener& listener : m_listeners)
        listener(event);
}

} // namespace verbalink::sim
