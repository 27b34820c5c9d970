#include "extras/RobotUsers.h"

namespace verbalink {

bool RobotUsers::add(const QString& displayText, const QString& handle)
{
    std::lock_guard lock(m_mutex);
    if (handle.isEmpty())
        return false;
    for (const RobotUser& user : m_users) {
        if (user.handle == handle)
            return false;
    }
    m_users.append({displayText, handle, {}, {}});
    return true;
}

bool RobotUsers::removeByText(const QString& text)
{
    std::lock_guard lock(m_mutex);
    for (qsizetype i = 0; i < m_users.size(); ++i) {
        if (m_users[i].displayText == text || m_users[i].handle == text) {
            m_users.removeAt(i);
            return true;
        }
    }
    return false;
}

bool RobotUsers::removeHandle(const QString& handle)
{
    std::lock_guard lock(m_mutex);
    return m_users.removeIf([&](const RobotUser& user) { return user.handle == handle; }) > 0;
}

void RobotUsers::clear()
{
    std::lock_guard lock(m_mutex);
    m_users.clear();
}

bool RobotUsers::isEmpty() const
{
    std::lock_guard lock(m_mutex);
    return m_users.isEmpty();
}

bool RobotUsers::contains(const QString& handle) const
{
    return find(handle).has_value();
}

std::optional<RobotUser> RobotUsers::find(const QString& handle) const
{
    std::lock_guard lock(m_mutex);
    for (const RobotUser& user : m_users) {
        if (user.handle == handle)
            return user;
    }
    return std::nullopt;
}

QList<RobotUser> RobotUsers::users() const
{
    std::lock_guard lock(m_mutex);
    return m_users;
}

void RobotUsers::setDisplayText(const QString& handle, const QString& text)
{
    std::lock_guard lock(m_mutex);
    for (RobotUser& user : m_users) {
        if (user.handle == handle) {
            user.displayText = text;
            return;
        }
    }
}

void RobotUsers::setConversation(const QString& handle, const QByteArray& conversationId,
                                 const QString& answer)
{
    std::lock_guard lock(m_mutex);
    for (RobotUser& user : m_users) {
        if (user.handle == handle) {
            user.conversationId = conversationId;
            user.lastAnswer = answer;
            return;
        }
    }
}

QString RobotUsers::storedText() const
{
    std::lock_guard lock(m_mutex);
    QStringList handles;
    for (auto it = m_users.crbegin(); it != m_users.crend(); ++it)
        handles << it->handle;
    return handles.join(u',');
}

void RobotUsers::load(const QString& stored)
{
    clear();
    for (const QString& handle : stored.split(u','))
        add(QString(), handle);
}

} // namespace verbalink
