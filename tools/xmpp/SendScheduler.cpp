#include "SendScheduler.h"

#include <QSet>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace verbalink::xmpp {

SendScheduler::SendScheduler(Timing timing) : m_timing(timing) {}

void SendScheduler::setAttached(bool attached, qint64 now)
{
    m_attached = attached;
    if (attached)
        m_holding = true;
    else
        stopHolding(now);
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
    flush(now);
}

void SendScheduler::posted(int id, const QString& chat, const QString& body, qint64 now)
{
    m_pending.append({id, chat, body});
    flush(now);
}

void SendScheduler::bodyRead(int id)
{
    Pending* message = find(id);
    if (message && message->stage == Stage::AwaitingRead)
        message->stage = Stage::Held;
}

void SendScheduler::bodyReplaced(int id, const QString& body, qint64 now)
{
    // The program replaces bodies: the next messages are worth holding again.
    m_holding = m_attached;
    Pending* message = find(id);
    if (!message) {
        lateReplacement(id, body);
        return;
    }
    message->body = body;
    // The program hides the typed text while it encrypts; the cipher text follows, and the
    // partner should get that one message.
    if (body == EncryptingPlaceholder) {
        message->stage = Stage::Held;
        return;
    }
    message->stage = Stage::Ready;
    flush(now);
}

void SendScheduler::advance(qint64 now)
{
    bool deadlinePassed = false;
    for (qsizetype i = 0; i < m_pending.size(); ++i) {
        Pending& message = m_pending[i];
        if (!isFirstOfChat(i))
            continue;
        if (message.stage == Stage::AwaitingRead && now >= message.readBy) {
            message.stage = Stage::Ready;
        } else if (message.stage == Stage::Held && now >= message.deadline) {
            message.stage = Stage::Ready;
            deadlinePassed = true;
            m_notes.append(u"message %1: no replacement within %2 ms, sent as %3"_s.arg(message.id)
                               .arg(m_timing.deadlineMs)
                               .arg(message.body == EncryptingPlaceholder
                                        ? u"the program's placeholder"_s
                                        : u"typed"_s));
        }
    }
    if (deadlinePassed)
        stopHolding(now);
    flush(now);
}

// Only a chat's first message is on its clock; the ones behind it wait for their turn.
std::optional<qint64> SendScheduler::nextWake() const
{
    std::optional<qint64> wake;
    for (qsizetype i = 0; i < m_pending.size(); ++i) {
        const Pending& message = m_pending.at(i);
        std::optional<qint64> at;
        if (message.stage == Stage::AwaitingRead)
            at = message.readBy;
        else if (message.stage == Stage::Held)
            at = message.deadline;
        if (at && isFirstOfChat(i) && (!wake || *at < *wake))
            wake = at;
    }
    return wake;
}

bool SendScheduler::isFirstOfChat(qsizetype index) const
{
    const QString& chat = m_pending.at(index).chat;
    for (qsizetype i = 0; i < index; ++i) {
        if (m_pending.at(i).chat == chat)
            return false;
    }
    return true;
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

void SendScheduler::stopHolding(qint64 now)
{
    m_holding = false;
    for (Pending& message : m_pending)
        message.stage = Stage::Ready;
    flush(now);
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

void SendScheduler::flush(qint64 now)
{
    QSet<QString> blocked;
    QSet<QString> moved;
    for (auto it = m_pending.begin(); it != m_pending.end();) {
        if (blocked.contains(it->chat) || it->stage != Stage::Ready) {
            // The chat's new first message: the program comes to it only now.
            if (moved.contains(it->chat) && !blocked.contains(it->chat)) {
                it->readBy = std::max(it->readBy, now + m_timing.readWindowMs);
                it->deadline = std::max(it->deadline, now + m_timing.deadlineMs);
            }
            blocked.insert(it->chat);
            ++it;
            continue;
        }
        sent(*it);
        moved.insert(it->chat);
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
