#pragma once

#include <QStringList>

class QComboBox;
class QDialog;
class QListWidget;
class QPushButton;

namespace verbalink {

// The controls the contact-list dialogs share: an editable contact box, the list and the Add,
// Remove, Remove All and Close buttons, all children of the dialog (Close is its default).
struct ContactListControls {
    QComboBox* user = nullptr;
    QListWidget* list = nullptr;
    QPushButton* add = nullptr;
    QPushButton* remove = nullptr;
    QPushButton* removeAll = nullptr;
    QPushButton* close = nullptr;

    static ContactListControls create(QDialog& dialog, qsizetype maxUserText);
    // Fills the contact box and selects its first entry.
    void showContacts(const QStringList& entries);
    // The selected line, -1 when none is.
    qsizetype selectedRow() const;
};

} // namespace verbalink
