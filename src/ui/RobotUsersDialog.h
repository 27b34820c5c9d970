#pragma once

#include "ui/ContactListControls.h"

#include <QDialog>

namespace verbalink {

class RobotUsersForm;

// The "A.I. Talk Robot" window: the contact box, the contacts in talk mode and the buttons,
// forwarded to the form. Every way of closing it stores the list and reports the menu's check
// mark through usersClosed().
class RobotUsersDialog final : public QDialog {
    Q_OBJECT
public:
    // The contact entries come from a refresh that the caller ran off the GUI thread.
    RobotUsersDialog(RobotUsersForm& form, const QStringList& contactEntries,
                     QWidget* parent = nullptr);

    void done(int result) override;

Q_SIGNALS:
    // Whether "A.I. Talk Robot" (CommandId::RobotUsers) is to be checked now.
    void usersClosed(bool menuChecked);

private:
    void buildControls();
    void add();
    void remove();
    void removeAll();

    RobotUsersForm& m_form;
    ContactListControls m_controls;
    bool m_closed = false;
};

} // namespace verbalink
