#pragma once

#include <QDialog>

class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace verbalink {

// "Verbalink: Broadcast mass message ": one message for every contact. The sending itself runs
// elsewhere; the dialog shows its progress, and Close while sending cancels the rest.
class BroadcastDialog : public QDialog {
    Q_OBJECT
public:
    explicit BroadcastDialog(QWidget* parent = nullptr);

    QPlainTextEdit& message() { return *m_message; }
    QProgressBar& progress() { return *m_progress; }
    QPushButton& sendButton() { return *m_send; }
    QPushButton& closeButton() { return *m_close; }
    bool sending() const { return m_sending; }

    // The sender's progress: `done` of `count` contacts.
    void showProgress(qsizetype done, qsizetype count);

Q_SIGNALS:
    // Send with a message that is not empty.
    void sendRequested(const QString& message);
    // Closed while sending.
    void cancelRequested();

private:
    void send();

    QPlainTextEdit* m_message;
    QProgressBar* m_progress;
    QPushButton* m_send;
    QPushButton* m_close;
    bool m_sending = false;
};

} // namespace verbalink
