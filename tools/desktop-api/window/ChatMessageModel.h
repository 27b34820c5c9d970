#pragma once

#include "ApiMessageStore.h"

#include <QAbstractListModel>
#include <QList>
#include <QTime>
#include <functional>

namespace verbalink::desktopapi {

class DesktopApi;

// Every chat message of the client as the chat window shows it: its conversation, its
// author and its current body, kept up to date as a program replaces bodies. Holds the newest
// messages only, as the message store does.
class ChatMessageModel : public QAbstractListModel {
    Q_OBJECT

public:
    enum Role {
        IdRole = Qt::UserRole + 1,
        ConversationRole,       // the partner's handle; for a group chat empty, or its name
        AuthorRole,             // handle
        AuthorNameRole,         // full name, or the handle when there is none
        AuthorPictureRole,      // bool: the client has a picture of the author
        AuthorPictureImageRole, // QImage: that picture; null when there is none
        BodyRole,               // the current body (also Qt::DisplayRole)
        TypedBodyRole,          // the body it was written with
        OwnRole,                // bool: by the user, typed or posted on their behalf
        PostedRole,             // bool: a program posted it
        ReplacedRole,           // bool: a program replaced its body
        ProgramRole,            // the application that posted it or replaced its body
        TimeRole,               // QTime it arrived
        StatusRole,             // SENDING, SENT, RECEIVED
        DeliveredRole,          // bool: the partner's client confirmed it got it
        EditedRole,             // bool: its author corrected it
    };

    explicit ChatMessageModel(const DesktopApi& api,
                              qsizetype capacity = ApiMessageStore::DefaultCapacity,
                              QObject* parent = nullptr);

    // One change as the chats report it.
    void record(ApiMessageChange change, const ApiChatMessage& message);
    // How a body is shown (the XMPP client shows the flag codes as the flags they become);
    // the stored body stays as it is.
    void setShownBody(std::function<QString(const QString&)> transform)
    {
        m_shownBody = std::move(transform);
    }
    // A client with several group chats tells them apart by their chat names; otherwise every
    // group chat is the one conversation with the empty key.
    void setGroupsByName(bool byName) { m_groupsByName = byName; }
    // The current body of the newest message of a conversation, as shown; empty when it has none.
    QString latestBody(const QString& conversation) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

Q_SIGNALS:
    // A message was added to a conversation or one of its bodies changed; fromOthers when the
    // change is a new message by someone other than the user.
    void conversationChanged(const QString& conversation, bool fromOthers);

private:
    struct Entry {
        int id = 0;
        QString conversation;
        QString author;
        QString body;
        QString typedBody;
        bool own = false;
        bool posted = false;
        bool replaced = false;
        QString program;
        QTime time;
        QString status;
        bool delivered = false;
        bool edited = false;
    };

    void append(ApiMessageChange change, const ApiChatMessage& message);
    Entry* find(int id);
    void replaceBody(const ApiChatMessage& message, bool byAuthor);
    void changeStatus(const ApiChatMessage& message);
    QString conversationOf(const QString& chatName) const;
    QString authorName(const QString& handle) const;

    const DesktopApi& m_api;
    qsizetype m_capacity;
    QString shown(const QString& body) const { return m_shownBody ? m_shownBody(body) : body; }

    // Ascending ids, oldest first.
    QList<Entry> m_entries;
    std::function<QString(const QString&)> m_shownBody;
    bool m_groupsByName = false;
};

} // namespace verbalink::desktopapi
