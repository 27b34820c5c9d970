#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace verbalink::desktopapi {

// A line to write a message in and its button. Enter or the button hand the text over and
// clear the line; a blank line hands nothing over.
class ChatInputRow : public QWidget {
    Q_OBJECT

public:
    ChatInputRow(const QString& buttonText, const QString& name, QWidget* parent = nullptr);

    QLineEdit* line() const { return m_line; }
    void setPlaceholder(const QString& text);

Q_SIGNALS:
    void submitted(const QString& text);

private:
    void submit();

    QLineEdit* m_line;
    QPushButton* m_button;
};

} // namespace verbalink::desktopapi
