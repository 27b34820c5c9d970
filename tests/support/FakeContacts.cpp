#include "FakeContacts.h"

namespace verbalink::test {

const std::pair<QString, QString>* FakeContacts::find(const QString& name) const
{
    for (const auto& contact : contacts)
        if (contact.second == name || contact.first == name)
            return &contact;
    return nullptr;
}

ContactLookups FakeContacts::lookups() const
{
    return {[this](const QString& name) {
                const auto* contact = find(name);
                return !contact                    ? QString()
                       : contact->second.isEmpty() ? contact->first
                                                   : contact->second;
            },
            [this](const QString& name) {
                const auto* contact = find(name);
                return contact ? contact->first : QString();
            }};
}

} // namespace verbalink::test
