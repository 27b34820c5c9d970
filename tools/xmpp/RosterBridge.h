#pragma once

#include "PhotoHashes.h"

#include <QString>
#include <gloox/rosterlistener.h>
#include <gloox/vcardhandler.h>

namespace gloox {
class RosterManager;
class VCardManager;
} // namespace gloox

namespace verbalink::xmpp {

class CorrectionSupport;
class XmppWorld;

// The account's roster and its contacts' vCards, handed to the client's core: every item is a
// user, the vCard gives a full name and a picture, and a resource coming online is asked
// whether it takes corrections.
class RosterBridge : public gloox::RosterListener, public gloox::VCardHandler {
public:
    RosterBridge(XmppWorld& world, gloox::RosterManager& roster, gloox::VCardManager& cards,
                 CorrectionSupport& corrections);

    void handleItemAdded(const gloox::JID& jid) override;
    void handleItemSubscribed(const gloox::JID& jid) override { handleItemAdded(jid); }
    void handleItemRemoved(const gloox::JID& jid) override;
    void handleItemUpdated(const gloox::JID& jid) override { handleItemAdded(jid); }
    void handleItemUnsubscribed(const gloox::JID& jid) override { handleItemAdded(jid); }
    void handleRoster(const gloox::Roster& roster) override;
    void handleRosterPresence(const gloox::RosterItem& item, const std::string& resource,
                              gloox::Presence::PresenceType presence,
                              const std::string& msg) override;
    void handleSelfPresence(const gloox::RosterItem&, const std::string&,
                            gloox::Presence::PresenceType, const std::string&) override
    {}
    // Requests are left to the user's other clients; this one never grants one by itself.
    bool handleSubscriptionRequest(const gloox::JID&, const std::string&) override { return false; }
    bool handleUnsubscriptionRequest(const gloox::JID&, const std::string&) override
    {
        return false;
    }
    void handleNonrosterPresence(const gloox::Presence&) override {}
    void handleRosterError(const gloox::IQ&) override {}

    // A contact's presence named the hash of their photo: a new one is fetched.
    void photoAnnounced(const QString& bareJid, const QString& hash);

    void handleVCard(const gloox::JID& jid, const gloox::VCard* card) override;
    void handleVCardResult(VCardContext, const gloox::JID&, gloox::StanzaError) override {}

private:
    void putItem(const gloox::RosterItem& item);

    XmppWorld& m_world;
    gloox::RosterManager& m_roster;
    gloox::VCardManager& m_cards;
    CorrectionSupport& m_corrections;
    PhotoHashes m_photos;
};

} // namespace verbalink::xmpp
