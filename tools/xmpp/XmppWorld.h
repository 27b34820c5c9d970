#pragma once

#include "ApiWorld.h"
#include "ContactBook.h"
#include "DesktopApi.h"
#include "HandleTable.h"
#include "RoomBook.h"
#include "SendScheduler.h"
#include "StanzaReader.h"
#include "XmppLink.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <functional>

namespace verbalink::xmpp {

// The desktop API with an XMPP account behind it: the roster and rooms become users and chats,
// messages from the network become received chat messages, and the user's messages go to the
// network when the send schedule lets them, in order, each once. No network code: the account
// is an XmppLink, time is the caller's clock, and lines for the attached program go to `push`.
class XmppWorld : public desktopapi::ApiWorld {
public:
    using Clock = std::function<qint64()>;
    using Push = std::function<void(const QString& line)>;
    using Log = std::function<void(const QString& line)>;

    struct Options {
        QString ownJid; // bare
        SendScheduler::Timing timing;
        // How many sent messages are remembered for acknowledgements and corrections.
        qsizetype sentCapacity = 1000;
    };

    XmppWorld(Options options, XmppLink& link, Clock clock, Push push, Log log);
    XmppWorld(const XmppWorld&) = delete;
    XmppWorld& operator=(const XmppWorld&) = delete;

    desktopapi::DesktopApi& api() { return m_api; }
    const desktopapi::DesktopApi& api() const { return m_api; }
    QImage picture(const QString& handle) const override;

    // The program on the bus.
    void setAttached(bool attached);
    // Whether the account is connected; while it is not, messages wait and go out in order
    // once it is again.
    void setOnline(bool online);

    // The roster and vCards.
    QString rosterItem(const QString& bareJid, const QString& name);
    void rosterItemRemoved(const QString& bareJid);
    void cardReceived(const QString& bareJid, const QString& fullName, const QImage& photo);
    // The language the user set for a contact in the window.
    void chooseLanguage(const QString& handle, const QString& code);

    // Rooms: the chat of a room joined under a nick, and who comes and goes.
    QString roomJoined(const QString& roomJid, const QString& ownNick);
    void occupantPresent(const QString& roomJid, const QString& nick, const QString& realJid);
    void occupantGone(const QString& roomJid, const QString& nick);

    // A stanza from the network; bad ones are logged and dropped.
    void stanzaReceived(const gloox::Tag& stanza);
    void messageReceived(const IncomingMessage& message);
    // The server acknowledged a stanza (stream management), or the partner's client confirmed
    // it got it (receipt).
    void acknowledged(const QString& stanzaId);
    void delivered(const QString& stanzaId);

    // The user typed in the window: to a contact (a handle) or into a chat by name.
    void userTypes(const QString& handle, const QString& text);
    void userTypesIn(const QString& chatName, const QString& text);

    // Lets waits that ended by now take effect; nextWake says when to call again.
    void advance();
    std::optional<qint64> nextWake() const { return m_scheduler.nextWake(); }
    const SendScheduler& scheduler() const { return m_scheduler; }
    const HandleTable& handles() const { return m_handles; }
    const RoomBook& rooms() const { return m_rooms; }

private:
    struct SentMessage {
        int id = 0;
        QString stanzaId;
        QString to;
    };
    // A sender's last message, the one a correction may replace.
    struct LastReceived {
        QString stanzaId;
        int id = 0;
    };

    void messageChanged(desktopapi::ApiMessageChange change,
                        const desktopapi::ApiChatMessage& message);
    void deliverToChat(const IncomingMessage& message);
    void deliverToRoom(const IncomingMessage& message);
    // A correction of the sender's last message edits it; false when the message is no
    // correction, or of a message that is not the last one (then it is a message of its own).
    bool edited(const QString& sender, const QString& author, const IncomingMessage& message);
    void rememberReceived(const QString& sender, const QString& stanzaId);
    void updateMembers(const RoomBook::Room& room);
    void pushAll(const QStringList& lines);
    void drain();
    void transmit(const Dispatch& dispatch);
    // Where a chat's messages go; false for a chat that leads nowhere.
    bool targetOf(const QString& chatName, OutgoingMessage& target) const;
    const SentMessage* sentById(int id) const;
    void logNotes();

    Options m_options;
    XmppLink& m_link;
    Clock m_clock;
    Push m_push;
    Log m_log;
    desktopapi::DesktopApi m_api;
    HandleTable m_handles;
    ContactBook m_contacts;
    RoomBook m_rooms;
    StanzaReader m_reader;
    SendScheduler m_scheduler;
    bool m_online = false;
    // Released by the schedule while offline, in order.
    QList<Dispatch> m_offline;
    // Oldest first.
    QList<SentMessage> m_sent;
    // By sender: a partner's bare JID, or room/nick.
    QHash<QString, LastReceived> m_lastReceived;
};

} // namespace verbalink::xmpp
