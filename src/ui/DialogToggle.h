#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

namespace verbalink {

// The rule of the dialogs that stand on their own: choosing the command opens the dialog when it
// is closed and closes it when it is open. The dialog is non-modal and deletes itself on close.
class DialogToggle {
public:
    DialogToggle() = default;
    DialogToggle(const DialogToggle&) = delete;
    DialogToggle& operator=(const DialogToggle&) = delete;
    // A dialog still open goes with its owner.
    ~DialogToggle();

    // Opens the dialog make() builds, or closes the open one; true when it opened.
    bool toggle(const std::function<QWidget*()>& make);
    void close();
    bool isOpen() const { return !m_dialog.isNull(); }
    QWidget* dialog() const { return m_dialog.data(); }

private:
    QPointer<QWidget> m_dialog;
};

} // namespace verbalink
