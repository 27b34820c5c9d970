#pragma once

#include "skype/ContactLookups.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace verbalink {

class MessageBoxPort;
class RobotUsers;

// What the "A.I. Talk Robot" dialog does, without the widgets: the contact choice, one line per
// contact in talk mode, Add, Remove, Remove All, and Close, which stores RobotUserList. Every
// change reaches the shared list at once, so the next message already follows it.
class RobotUsersForm {
public:
    struct Ports {
        ContactLookups contacts;
        MessageBoxPort& boxes;
        // The "first select a user" text in the current interface language.
        std::function<QString()> selectFirstText;
        // Writes RobotUserList; false when it could not be stored.
        std::function<bool(const QString& text)> store;
    };

    struct CloseResult {
        // Whether "A.I. Talk Robot" is to be checked.
        bool menuChecked = false;
        bool saved = false;
    };

    // The longest text Add takes from the contact box.
    static constexpr qsizetype MaxUserText = 255;

    RobotUsersForm(RobotUsers& users, Ports ports);

    // Starts a dialog session with the contact box entries (fetched by a refresh beforehand).
    void open(const QStringList& contactEntries);
    bool isOpen() const { return m_open; }

    QStringList contactEntries() const { return m_contactEntries; }
    QStringList lines() const { return m_lines; }

    // Puts the contact named by the box text in talk mode; the new line, or nothing when the
    // text names no contact or one already in the list.
    std::optional<QString> add(const QString& contactText);
    // Takes the line's contact out of talk mode; row -1 (no selection) tells the user to select
    // one first.
    bool remove(qsizetype row);
    void removeAll();

    // Stores the list and ends the session.
    CloseResult close();

private:
    RobotUsers& m_users;
    Ports m_ports;
    bool m_open = false;
    QStringList m_contactEntries;
    QStringList m_lines;
    // The handle behind each line: two contacts may show the same name.
    QStringList m_handles;
};

} // namespace verbalink
