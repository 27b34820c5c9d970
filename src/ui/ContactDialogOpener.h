#pragma once

#include "ui/DialogToggle.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <thread>
#include <vector>

namespace verbalink {

class SkypeConnection;

// Opens dialogs that offer the contacts: they are refreshed first on a worker (the client's
// replies arrive through the GUI thread's events, so it must not wait for them), then the dialog
// is made on the GUI thread. Choosing the command again while the dialog is open closes it.
// Dialogs asked for while a refresh runs wait for it and are served by a refresh of their own.
class ContactDialogOpener : public QObject {
    Q_OBJECT
public:
    using Make = std::function<QWidget*(const QStringList& contacts)>;
    struct Contacts {
        // Asks the client for the contacts and waits for them; called off the GUI thread.
        std::function<bool()> refresh;
        // The entries of the contact boxes, as known now.
        std::function<QStringList()> entries;
    };

    explicit ContactDialogOpener(Contacts contacts) : m_contacts(std::move(contacts)) {}
    // The contacts of the link.
    explicit ContactDialogOpener(SkypeConnection& link);
    ~ContactDialogOpener() override { join(); }

    // With onlyWhenEmpty the contacts are refreshed only when none are known yet. A command
    // for a dialog already waiting for its contacts is the same request.
    void toggle(DialogToggle& dialog, Make make, bool onlyWhenEmpty = false);
    // Waits for a refresh under way (at shutdown: no dialog is asked for after it).
    void join();

Q_SIGNALS:
    void opened(QWidget* dialog);

private:
    struct Request {
        DialogToggle* dialog;
        Make make;
        bool onlyWhenEmpty;
    };

    bool requested(const DialogToggle& dialog) const;
    void refreshForWaiting();
    void openServed(const QStringList& entries);

    Contacts m_contacts;
    std::thread m_thread;
    // GUI thread only: the requests the running refresh serves, and those after it.
    std::vector<Request> m_served;
    std::vector<Request> m_waiting;
};

} // namespace verbalink
