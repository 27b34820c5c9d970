#pragma once

#include "ui/DialogToggle.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <thread>

namespace verbalink {

class SkypeConnection;

// Opens a dialog that offers the contacts: they are refreshed first on a worker (the client's
// replies arrive through the GUI thread's events, so it must not wait for them), then the dialog
// is made on the GUI thread. Choosing the command again while the dialog is open closes it.
class ContactDialogOpener : public QObject {
    Q_OBJECT
public:
    using Make = std::function<QWidget*(const QStringList& contacts)>;

    explicit ContactDialogOpener(SkypeConnection& link) : m_link(link) {}
    ~ContactDialogOpener() override { join(); }

    // With onlyWhenEmpty the contacts are refreshed only when none are known yet. A command
    // while a refresh runs is the same request.
    void toggle(DialogToggle& dialog, Make make, bool onlyWhenEmpty = false);
    // Waits for a refresh under way.
    void join();

Q_SIGNALS:
    void opened(QWidget* dialog);

private:
    SkypeConnection& m_link;
    std::thread m_thread;
};

} // namespace verbalink
