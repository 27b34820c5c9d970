#pragma once

#include <QDialog>
#include <functional>

class QComboBox;
class QPlainTextEdit;
class QPushButton;

namespace verbalink {

class GreetingsForm;

// "Verbalink Greetings": a contact, an occasion and one of its greetings, editable before Send.
// Send leaves the dialog open for the next contact.
class GreetingsDialog : public QDialog {
    Q_OBJECT
public:
    // send(user text, greeting text) posts to a known contact only.
    using Send = std::function<void(const QString& user, const QString& text)>;

    GreetingsDialog(const GreetingsForm& form, const QStringList& contacts, Send send,
                    QWidget* parent = nullptr);

    QComboBox& users() { return *m_users; }
    QComboBox& categories() { return *m_categories; }
    QComboBox& greetings() { return *m_greetings; }
    QPlainTextEdit& text() { return *m_text; }
    QPushButton& sendButton() { return *m_send; }

private:
    void refillGreetings();
    void showText();

    const GreetingsForm& m_form;
    Send m_sendTo;
    QComboBox* m_users;
    QComboBox* m_categories;
    QComboBox* m_greetings;
    QPlainTextEdit* m_text;
    QPushButton* m_send;
};

} // namespace verbalink
