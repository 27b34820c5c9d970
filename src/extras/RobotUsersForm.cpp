#include "extras/RobotUsersForm.h"

#include "extras/RobotUsers.h"
#include "platform/MessageBoxPort.h"

namespace verbalink {

RobotUsersForm::RobotUsersForm(RobotUsers& users, Ports ports)
    : m_users(users), m_ports(std::move(ports))
{}

void RobotUsersForm::open(const QStringList& contactEntries)
{
    m_open = true;
    m_contactEntries = contactEntries;
    m_lines.clear();
    m_handles.clear();
    for (const RobotUser& user : m_users.users()) {
        QString line = user.displayText;
        if (line.isEmpty()) {
            line = m_ports.contacts.displayNameOf(user.handle);
            if (!line.isEmpty())
                m_users.setDisplayText(user.handle, line);
            else
                line = user.handle;
        }
        m_lines.append(line);
        m_handles.append(user.handle);
    }
}

std::optional<QString> RobotUsersForm::add(const QString& contactText)
{
    const QString text = contactText.left(MaxUserText);
    const QString handle = m_ports.contacts.handleFor(text);
    if (!m_users.add(text, handle))
        return std::nullopt;
    m_lines.append(text);
    m_handles.append(handle);
    return text;
}

bool RobotUsersForm::remove(qsizetype row)
{
    if (row < 0 || row >= m_lines.size()) {
        m_ports.boxes.showMessage(m_ports.selectFirstText ? m_ports.selectFirstText() : QString(),
                                  QString());
        return false;
    }
    // By handle rather than by the line's text, which another contact may share.
    m_users.removeHandle(m_handles.at(row));
    m_lines.removeAt(row);
    m_handles.removeAt(row);
    return true;
}

void RobotUsersForm::removeAll()
{
    m_lines.clear();
    m_handles.clear();
    m_users.clear();
}

RobotUsersForm::CloseResult RobotUsersForm::close()
{
    CloseResult result;
    result.menuChecked = !m_users.isEmpty();
    result.saved = m_ports.store && m_ports.store(m_users.storedText());
    m_open = false;
    return result;
}

} // namespace verbalink
