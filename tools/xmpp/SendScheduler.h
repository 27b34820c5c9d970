#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace verbalink::xmpp {

// One message for the network: a new one, or a correction of one that went out before.
struct Dispatch {
    int id = 0; // the desktop API's message id
    QString chat;
    QString body;
    // Replaces the message that went out under the same id.
    bool correction = false;

    bool operator==(const Dispatch&) const = default;
};

// When the user's messages go out, so that the partner gets each one once. An attached program
// reads every sent message's body and replaces it when it translates, checks spelling or
// encrypts; so a message whose body the program reads soon after it was typed is held until
// the replacement comes or a deadline passes. A deadline that passes without a replacement
// means the program does not replace bodies now: holding stops until it replaces one again.
// Messages of one chat go out in the order they were made, and the program handles them in that
// order too: a message waiting behind another gets its windows from when it comes first. Time
// is whatever the caller counts in milliseconds; nothing here waits.
class SendScheduler {
public:
    struct Timing {
        // How long a typed message waits for the program to read its body.
        int readWindowMs = 300;
        // How long a read message waits for its replacement, from when it was typed.
        int deadlineMs = 3000;
    };

    // The body the program puts in place of a typed message while it encrypts it: no
    // replacement yet, the message stays held (by the deadline it goes as it stands, never as
    // typed).
    static constexpr QStringView EncryptingPlaceholder = u"Crypting message...";

    explicit SendScheduler(Timing timing);
    SendScheduler() : SendScheduler(Timing{}) {}

    // A program attached (holding starts) or left (everything held goes as it is).
    void setAttached(bool attached, qint64 now);
    // The user typed a message.
    void typed(int id, const QString& chat, const QString& body, qint64 now);
    // The program posted a message of its own: never held, but after the held ones of its chat.
    void posted(int id, const QString& chat, const QString& body, qint64 now);
    void bodyRead(int id);
    void bodyReplaced(int id, const QString& body, qint64 now);
    // Lets the windows and deadlines that ended by now take effect.
    void advance(qint64 now);

    // When advance should be called next; nothing while no message waits.
    std::optional<qint64> nextWake() const;
    QList<Dispatch> takeDispatches();
    // What happened that a log should tell (a deadline that passed, a dropped replacement).
    QStringList takeNotes();
    bool isHolding() const { return m_holding; }
    qsizetype waiting() const { return m_pending.size(); }

private:
    enum class Stage { AwaitingRead, Held, Ready };
    struct Pending {
        int id = 0;
        QString chat;
        QString body;
        Stage stage = Stage::Ready;
        qint64 readBy = 0;
        qint64 deadline = 0;
    };

    Pending* find(int id);
    bool isFirstOfChat(qsizetype index) const;
    void stopHolding(qint64 now);
    void lateReplacement(int id, const QString& body);
    void flush(qint64 now);
    void sent(const Pending& message);

    Timing m_timing;
    bool m_attached = false;
    bool m_holding = false;
    // In the order made, every chat together.
    QList<Pending> m_pending;
    // Each chat's last message that went out, both ways, for corrections.
    QHash<QString, int> m_lastOfChat;
    QHash<int, QString> m_chatOfLast;
    QList<Dispatch> m_dispatches;
    QStringList m_notes;
};

} // namespace verbalink::xmpp
