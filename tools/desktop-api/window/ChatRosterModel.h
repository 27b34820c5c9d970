#pragma once

#include <QAbstractListModel>
#include <QList>

namespace verbalink::desktopapi {

class ChatMessageModel;
class DesktopApi;

// The conversations the chat window lists: every scripted contact in script order, anyone else
// who wrote or was written to, and the group chats last: the simulator's one (its key is empty),
// or a chat client's rooms (keyed by their chat names). Names, languages and pictures are read
// from the desktop API when shown, so a script that changes a user changes the row; rows are
// only ever added after the start, so a selection survives every change.
class ChatRosterModel : public QAbstractListModel {
    Q_OBJECT

public:
    enum Role {
        KeyRole = Qt::UserRole + 1, // the contact's handle, or the group chat's key
        NameRole,                   // full name, the handle, or the group chat's title
        LanguageRole,               // the contact's language in English words; may be empty
        LanguageCodeRole,           // the same as a code ("es"); may be empty
        PictureRole,                // bool: the client has a picture of the contact
        PictureImageRole,           // QImage: that picture; null when there is none
        GroupRole,                  // bool
        PreviewRole,                // the newest body of the conversation
        UnreadRole, // messages by others that came while another conversation was shown
    };

    ChatRosterModel(const DesktopApi& api, const ChatMessageModel& messages,
                    QObject* parent = nullptr);

    // Adds the users a script has added since and repaints the rest.
    void refresh();
    // A group chat of its own, listed after the others; a known key gets the new title.
    void addGroup(const QString& key, const QString& title);
    // A client with group chats of its own does without the standing one; before the window
    // shows the list.
    void dropStandingGroup();
    // Where the conversation is listed; invalid when it is not.
    QModelIndex indexOf(const QString& key) const;
    // The conversation on screen: what arrives there is read at once.
    void setShown(const QString& key);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    struct Entry {
        QString key;
        QString preview;
        int unread = 0;
        bool group = false;
        QString title;
    };

    void conversationChanged(const QString& key, bool fromOthers);
    // The row of the key, added before the group chat when it is new.
    int ensureRow(const QString& key);
    QVariant contactData(const QString& handle, int role) const;

    const DesktopApi& m_api;
    const ChatMessageModel& m_messages;
    QList<Entry> m_entries;
    QString m_shown;
};

} // namespace verbalink::desktopapi
