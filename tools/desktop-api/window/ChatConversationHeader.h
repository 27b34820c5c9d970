#pragma once

#include <QModelIndex>
#include <QWidget>

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

Q_SIGNALS:
    void callClicked();

private:
    QLabel* m_avatar;
    QLabel* m_name;
    QLabel* m_details;
    QPushButton* m_call;
    bool m_callsShown = true;
};

} // namespace verbalink::desktopapi
