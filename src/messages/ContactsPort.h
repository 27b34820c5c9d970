#pragma once

#include <QByteArray>
#include <QString>

namespace verbalink {

// The contact details the message steps need, answered at once from the link's cache: a
// contact the cache does not hold yet is fetched in the background, for later messages.
class ContactsPort {
public:
    virtual ~ContactsPort() = default;
    // The partner's language as the chat client reports it; "en" when the partner is unknown
    // or never reported one.
    virtual QByteArray partnerLanguage(const QString& handle) = 0;
};

} // namespace verbalink
