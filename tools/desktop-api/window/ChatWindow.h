#pragma once

#include <QSortFilterProxyModel>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QListView;

namespace verbalink::desktopapi {

class ChatView;
class ChatConversationHeader;
class ChatInputRow;
class ChatMessageModel;
class ChatRosterModel;
class ChatStatusLine;

// The chat client's window: the conversations on the left, the shown one's messages as
// bubbles, a line to write as the user and a second one to make the contact write to the user,
// and a status line. It shows the models and hands the user's actions on; what they do to the
// client is the controller's business.
class ChatWindow : public QWidget {
    Q_OBJECT

public:
    ChatWindow(ChatRosterModel& roster, ChatMessageModel& messages, QWidget* parent = nullptr);

    void showConversation(const QString& key);
    QString shownConversation() const;
    // The messages of the shown conversation, oldest first, with ChatMessageModel's roles.
    const QAbstractItemModel* shownMessages() const { return &m_shownMessages; }
    void setOwnHandle(const QString& handle, const QImage& picture);
    // The title before the own handle ("Chat client simulator").
    void setTitle(const QString& title);

    QLineEdit* messageInput() const;
    QLineEdit* contactInput() const;
    // Who writes in the group chat.
    QComboBox* groupAuthor() const { return m_groupAuthor; }
    ChatStatusLine* statusLine() const { return m_status; }
    // The contacts in a call, whose header offers to hang up instead of to call.
    void setInCall(const QStringList& handles);
    // A real chat client's window: no call button, and no line to write as the contact (they
    // write for themselves).
    void setRealClient();
    // The header offers these language codes for the shown contact.
    void offerLanguages(const QStringList& codes);

Q_SIGNALS:
    // The user typed text in the conversation (a contact's handle, or a group chat's key).
    void userTyped(const QString& conversation, const QString& text);
    // The user said which language the shown contact writes (empty: as their messages say).
    void languageChosen(const QString& conversation, const QString& code);
    // The contact, or in the group chat the chosen author, wrote text to the user.
    void contactWrote(const QString& conversation, const QString& author, const QString& text);
    // The user wants to call the shown contact, or to hang up on them.
    void callClicked(const QString& conversation);

private:
    QWidget* makeSidebar();
    QWidget* makeChatPane();
    QWidget* makeContactPanel();
    void conversationChosen(const QModelIndex& index);
    void rosterGrew();
    void rosterChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight);
    void contactSubmitted(const QString& text);
    void describeConversation(const QModelIndex& index);

    ChatRosterModel& m_roster;
    QSortFilterProxyModel m_shownMessages;
    QSortFilterProxyModel m_contacts;
    QListView* m_rosterView;
    QLabel* m_ownAvatar;
    QLabel* m_ownName;
    ChatConversationHeader* m_header;
    ChatView* m_chat;
    ChatInputRow* m_userInput;
    QLabel* m_contactLabel;
    QComboBox* m_groupAuthor;
    ChatInputRow* m_contactInput;
    QWidget* m_contactPanel = nullptr;
    ChatStatusLine* m_status;
    QStringList m_inCall;
    QString m_title;
    QString m_ownHandle;
    // Until the user picks a conversation the first one is shown, as contacts arrive.
    bool m_picked = false;
};

} // namespace verbalink::desktopapi
