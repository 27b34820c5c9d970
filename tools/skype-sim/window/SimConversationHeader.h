#pragma once

#include <QModelIndex>
#include <QWidget>

class QLabel;

namespace verbalink::sim {

// The top of the chat pane: who the shown conversation is with, by a row of the roster model.
class SimConversationHeader : public QWidget {
    Q_OBJECT

public:
    explicit SimConversationHeader(QWidget* parent = nullptr);

    void showConversation(const QModelIndex& conversation);

private:
    QLabel* m_avatar;
    QLabel* m_name;
    QLabel* m_details;
};

} // namespace verbalink::sim
