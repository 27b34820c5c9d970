#pragma once

#include "skype/SkypeTransport.h"

#include <QStringView>

namespace verbalink {

class ContactList;
class LinkOptions;
class SkypeChannel;
class SkypeSession;

// The GROUPS, GROUP, USER and CHAT notifications: they fill the contact list step by step and
// post the messages that waited for their chat to be created.
class ContactNotifications {
public:
    ContactNotifications(SkypeChannel& channel, ContactList& contacts, SkypeSession& session,
                         const LinkOptions& options);

    void handleGroups(QStringView argument, const SkypeEndpoint& from);
    void handleGroup(QStringView argument, const SkypeEndpoint& from);
    void handleUser(QStringView argument, const SkypeEndpoint& from);
    void handleChat(QStringView argument, const SkypeEndpoint& from);

    // The language stored for a LANGUAGE value: the code before the first space (unless the
    // value starts with one), "en" when fewer than two characters remain.
    static QByteArray languageFromValue(QStringView value);

private:
    void handleGroupUsers(const QList<QStringView>& parts, const SkypeEndpoint& from);

    SkypeChannel& m_channel;
    ContactList& m_contacts;
    SkypeSession& m_session;
    const LinkOptions& m_options;
};

} // namespace verbalink
