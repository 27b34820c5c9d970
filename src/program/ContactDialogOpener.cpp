#include "program/ContactDialogOpener.h"

#include "skype/SkypeConnection.h"

#include <QCoreApplication>
#include <QPointer>

namespace verbalink {

void ContactDialogOpener::toggle(DialogToggle& dialog, Make make, bool onlyWhenEmpty)
{
    if (dialog.isOpen()) {
        dialog.close();
        return;
    }
    if (m_thread.joinable())
        return;
    QPointer<ContactDialogOpener> self(this);
    SkypeConnection& link = m_link;
    m_thread = std::thread([self, &link, &dialog, make = std::move(make), onlyWhenEmpty] {
        if (!onlyWhenEmpty || link.contactEntries().isEmpty())
            link.refreshContacts();
        const QStringList entries = link.contactEntries();
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, &dialog, make, entries] {
                if (!self)
                    return;
                self->m_thread.join();
                if (!dialog.isOpen() && dialog.toggle([&] { return make(entries); }))
                    Q_EMIT self->opened(dialog.dialog());
            },
            Qt::QueuedConnection);
    });
}

void ContactDialogOpener::join()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace verbalink
