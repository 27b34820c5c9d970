#pragma once

#include <QModelIndex>
#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;

namespace verbalink::desktopapi {

// The top of the chat pane: who the shown conversation is with, by a row of the roster model.
class ChatConversationHeader : public QWidget {
    Q_OBJECT

public:
    explicit ChatConversationHeader(QWidget* parent = nullptr);

    void showConversation(const QModelIndex& conversation);
    // Whether the shown contact is in a call: the button hangs up then.
    void setInCall(bool inCall);
    // A client that carries no calls shows no call button.
    void setCallsShown(bool shown);
    // Offers the user to say which language a contact writes: these codes, after "as they
    // write" (the empty code).
    void offerLanguages(const QStringList& codes);

Q_SIGNALS:
    void callClicked();
    // The user chose the shown contact's language; empty: as their messages say.
    void languageChosen(const QString& code);

private:
    QLabel* m_avatar;
    QLabel* m_name;
    QLabel* m_details;
    QPushButton* m_call;
    QComboBox* m_language;
    bool m_callsShown = true;
    bool m_languagesOffered = false;
};

} // namespace verbalink::desktopapi
