#pragma once

#include "skype/ContactLookups.h"

#include <QList>
#include <utility>

namespace verbalink::test {

// A contact list as the chat client gives it: handle and full name (empty for some). A contact
// is found by either; its display name is the full name, else the handle.
struct FakeContacts {
    QList<std::pair<QString, QString>> contacts;

    const std::pair<QString, QString>* find(const QString& name) const;
    // Bound to this roster, which must outlive them.
    ContactLookups lookups() const;
};

} // namespace verbalink::test
