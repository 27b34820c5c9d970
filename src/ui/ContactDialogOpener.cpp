#include "ui/ContactDialogOpener.h"

#include "skype/SkypeConnection.h"

#include <algorithm>

namespace verbalink {

ContactDialogOpener::ContactDialogOpener(SkypeConnection& link)
    : ContactDialogOpener(Contacts{[&link] { return link.refreshContacts(); },
                                   [&link] {
                                       return link.contactEntries();
                                   }})
{}

void ContactDialogOpener::toggle(DialogToggle& dialog, Make make, bool onlyWhenEmpty)
{
    if (dialog.isOpen()) {
        dialog.close();
        return;
    }
    if (requested(dialog))
        return;
    m_waiting.push_back({&dialog, std::move(make), onlyWhenEmpty});
    if (!m_thread.joinable())
        refreshForWaiting();
}

bool ContactDialogOpener::requested(const DialogToggle& dialog) const
{
    const auto same = [&](const Request& request) {
        return request.dialog == &dialog;
    };
    return std::any_of(m_served.begin(), m_served.end(), same) ||
           std::any_of(m_waiting.begin(), m_waiting.end(), same);
}

void ContactDialogOpener::refreshForWaiting()
{
    m_served.swap(m_waiting);
    m_waiting.clear();
    const bool always = std::any_of(m_served.begin(), m_served.end(),
                                    [](const Request& request) { return !request.onlyWhenEmpty; });
    // The destructor joins this thread, so the object is there when the result is posted; a
    // result posted to an object deleted since is dropped.
    m_thread = std::thread([this, contacts = m_contacts, always] {
        if (always || contacts.entries().isEmpty())
            contacts.refresh();
        const QStringList entries = contacts.entries();
        QMetaObject::invokeMethod(
            this, [this, entries] { openServed(entries); }, Qt::QueuedConnection);
    });
}

void ContactDialogOpener::openServed(const QStringList& entries)
{
    join();
    std::vector<Request> served;
    served.swap(m_served);
    for (Request& request : served) {
        DialogToggle& dialog = *request.dialog;
        if (!dialog.isOpen() && dialog.toggle([&] { return request.make(entries); }))
            Q_EMIT opened(dialog.dialog());
    }
    if (!m_waiting.empty())
        refreshForWaiting();
}

void ContactDialogOpener::join()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace verbalink
