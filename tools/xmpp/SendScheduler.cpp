#include "SendScheduler.h"

#include <QSet>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace verbalink::xmpp {

SendScheduler::SendScheduler(Timing timing) : m_timing(timing) {}

void SendScheduler::setAttached(bool attached)
{
    m_attached = attached;
    if (attached)
        m_holding = true;
    else
        stopHolding();
}

void SendScheduler::typed(int id, const QString& chat, const QString& body, qint64 now)
{
    Pending message{id, chat, body};
    if (m_holding) {
        message.stage = Stage::AwaitingRead;
        message.readBy = now + m_timing.readWindowMs;
        message.deadline = now + m_timing.deadlineMs;
    }
    m_pending.append(message);
    flush();
}

void SendScheduler::posted(int id, const QString& chat, const QString& body)
{
    m_pending.append({id, chat, body});
    flush();
}

void SendScheduler::bodyRead(int id)
{
    Pending* message = find(id);
    if (message && message->stage == Stage::AwaitingRead)
        message->stage = Stage::Held;
}

void SendScheduler::bodyReplaced(int id, const QString& body)
{
    // The program replaces bodies: the next messages are worth holding again.
    m_holding = m_attached;
    Pending* message = find(id);
    if (!message) {
        lateReplacement(id, body);
        return;
    }
    message->body = body;
    message->stage = Stage::Ready;
    flush();
}

void SendScheduler::advance(qint64 now)
{
    bool deadlinePassed = false;
    for (Pending& message : m_pending) {
        if (message.stage == Stage::AwaitingRead && now >= message.readBy) {
            message.stage = Stage::Ready;
        } else if (message.stage == Stage::Held && now >= message.deadline) {
            message.stage = Stage::Ready;
            deadlinePassed = true;
            m_notes.append(
                u"message %1: no replacement within %2 ms, sent as typed"_s.arg(message.id)
                    .arg(m_timing.deadlineMs));
        }
    }
    if (deadlinePassed)
        stopHolding();
    flush();
}

std::optional<qint64> SendScheduler::nextWake() const
{
    std::optional<qint64> wake;
    for (const Pending& message : m_pending) {
        std::optional<qint64> at;
        if (message.stage == Stage::AwaitingRead)
            at = message.readBy;
        else if (message.stage == Stage::Held)
            at = message.deadline;
        if (at && (!wake || *at < *wake))
            wake = at;
    }
    return wake;
}

QList<Dispatch> SendScheduler::takeDispatches()
{
    return std::exchange(m_dispatches, {});
}

QStringList SendScheduler::takeNotes()
{
    return std::exchange(m_notes, {});
}

SendScheduler::Pending* SendScheduler::find(int id)
{
    const auto found = std::find_if(m_pending.begin(), m_pending.end(),
                                    [id](const Pending& message) { return message.id == id; });
    return found == m_pending.end() ? nullptr : &*found;
}

void SendScheduler::stopHolding()
{
    m_holding = false;
    for (Pending& message : m_pending)
        message.stage = Stage::Ready;
    flush();
}

// The message went out already: the partner can only be shown a correction of it, and only of
// the chat's last message; anything else would reach them as a second message.
void SendScheduler::lateReplacement(int id, const QString& body)
{
    const auto chat = m_chatOfLast.constFind(id);
    if (chat == m_chatOfLast.cend()) {
        m_notes.append(
            u"message %1: replaced after later messages went out; the replacement is dropped"_s.arg(
                id));
        return;
    }
    m_dispatches.append({id, *chat, body, true});
}

void SendScheduler::flush()
{
    QSet<QString> blocked;
    for (auto it = m_pending.begin(); it != m_pending.end();) {
        if (blocked.contains(it->chat) || it->stage != Stage::Ready) {
            blocked.insert(it->chat);
            ++it;
            continue;
        }
        sent(*it);
        it = m_pending.erase(it);
    }
}

void SendScheduler::sent(const Pending& message)
{
    m_dispatches.append({message.id, message.chat, message.body, false});
    if (const auto before = m_lastOfChat.constFind(message.chat); before != m_lastOfChat.cend())
        m_chatOfLast.remove(*before);
    m_lastOfChat.insert(message.chat, message.id);
    m_chatOfLast.insert(message.id, message.chat);
}

} // namespace verbalink::xmpp
