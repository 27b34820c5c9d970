#pragma once

#include <QWidget>

class QLabel;

namespace verbalink::desktopapi {

// The foot of the chat window: whether a program is attached, and the last command received.
class ChatStatusLine : public QWidget {
    Q_OBJECT

public:
    explicit ChatStatusLine(QWidget* parent = nullptr);

    void setAttached(const QString& application, const QString& client);
    void setDetached();
    void setLastCommand(const QString& command);

    QString attachText() const;
    QString lastCommand() const { return m_lastCommand; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showLastCommand();
    void setLight(bool attached);

    QLabel* m_light;
    QLabel* m_attach;
    QLabel* m_command;
    QString m_lastCommand;
};

} // namespace verbalink::desktopapi
