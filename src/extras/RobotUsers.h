#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <mutex>
#include <optional>

namespace verbalink {

// A contact in A.I. talk mode and its conversation with the robot.
struct RobotUser {
    QString displayText;
    QString handle;
    // The service's id of the conversation; empty until the first answer.
    QByteArray conversationId;
    QString lastAnswer;
};

// The contacts in A.I. talk mode, in the order they were added. Edited by the dialog on the GUI
// thread while robot turns read and update them, so every call takes the list's own lock.
class RobotUsers {
public:
    // Nothing is added for an empty handle or one already in the list.
    bool add(const QString& displayText, const QString& handle);
    // Erases the first user whose display text or handle is the text.
    bool removeByText(const QString& text);
    // Erases the user with exactly this handle.
    bool removeHandle(const QString& handle);
    void clear();
    bool isEmpty() const;
    bool contains(const QString& handle) const;
    std::optional<RobotUser> find(const QString& handle) const;
    QList<RobotUser> users() const;
    void setDisplayText(const QString& handle, const QString& text);
    // Stores the outcome of a turn on the first user with the handle.
    void setConversation(const QString& handle, const QByteArray& conversationId,
                         const QString& answer);

    // The stored RobotUserList: handles from the last to the first, joined with ",". Loading
    // adds them in the stored order, so every save and load reverses the list.
    QString storedText() const;
    void load(const QString& stored);

private:
    mutable std::mutex m_mutex;
    QList<RobotUser> m_users;
};

} // namespace verbalink
