#pragma once

#include "ui/ContactListControls.h"

#include <QDialog>

namespace verbalink {

class TranslationFilterForm;

// The "User translation filter" window: the contact box, the rule lines and the buttons,
// forwarded to the form. Every way of closing it stores the rules and reports the menu's check
// mark through filterClosed(). A double click on a line opens "User settings" over it.
class TranslationFilterDialog final : public QDialog {
    Q_OBJECT
public:
    // The contact entries come from a refresh that the caller ran off the GUI thread.
    TranslationFilterDialog(TranslationFilterForm& form, const QStringList& contactEntries,
                            QWidget* parent = nullptr);

    void done(int result) override;

Q_SIGNALS:
    // Whether "User translation filter" (CommandId::TranslationFilter) is to be checked now.
    void filterClosed(bool menuChecked);

private:
    void buildControls();
    void showLines();
    void add();
    void remove();
    void removeAll();
    void editLine();

    TranslationFilterForm& m_form;
    ContactListControls m_controls;
    bool m_closed = false;
};

} // namespace verbalink
