#include "RosterBridge.h"

#include "CorrectionSupport.h"
#include "XmppWorld.h"

#include <QImage>
#include <gloox/rosteritem.h>
#include <gloox/rostermanager.h>
#include <gloox/vcard.h>
#include <gloox/vcardmanager.h>

namespace verbalink::xmpp {

namespace {

QString text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

} // namespace

RosterBridge::RosterBridge(XmppWorld& world, gloox::RosterManager& roster,
                           gloox::VCardManager& cards, CorrectionSupport& corrections)
    : m_world(world), m_roster(roster), m_cards(cards), m_corrections(corrections)
{}

void RosterBridge::handleItemAdded(const gloox::JID& jid)
{
    if (const gloox::RosterItem* item = m_roster.getRosterItem(jid))
        putItem(*item);
}

void RosterBridge::handleItemRemoved(const gloox::JID& jid)
{
    m_world.rosterItemRemoved(text(jid.bare()));
}

void RosterBridge::handleRoster(const gloox::Roster& roster)
{
    for (const auto& [bare, item] : roster) {
        if (item)
            putItem(*item);
    }
}

void RosterBridge::handleRosterPresence(const gloox::RosterItem& item, const std::string& resource,
                                        gloox::Presence::PresenceType presence, const std::string&)
{
    const QString full = text(item.jidJID().bare()) + u'/' + text(resource);
    if (presence == gloox::Presence::Unavailable || presence == gloox::Presence::Error)
        m_corrections.resourceOffline(full);
    else
        m_corrections.resourceOnline(full);
}

void RosterBridge::photoAnnounced(const QString& bareJid, const QString& hash)
{
    const gloox::JID jid(bareJid.toStdString());
    if (!m_roster.getRosterItem(jid) || !m_photos.announce(bareJid, hash))
        return;
    m_cards.fetchVCard(jid, this);
}

void RosterBridge::handleVCard(const gloox::JID& jid, const gloox::VCard* card)
{
    if (!card)
        return;
    const std::string& photo = card->photo().binval;
    const QImage picture =
        photo.empty()
            ? QImage()
            : QImage::fromData(reinterpret_cast<const uchar*>(photo.data()), int(photo.size()));
    m_world.cardReceived(text(jid.bare()), text(card->formattedname()), picture);
}

void RosterBridge::putItem(const gloox::RosterItem& item)
{
    m_world.rosterItem(text(item.jidJID().bare()), text(item.name()));
    m_cards.fetchVCard(item.jidJID().bareJID(), this);
}

} // namespace verbalink::xmpp
