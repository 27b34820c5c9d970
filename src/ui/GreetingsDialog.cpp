#include "ui/GreetingsDialog.h"

#include "extras/GreetingsForm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace verbalink {

namespace {

constexpr int MaxUserText = 255;
constexpr int MaxMessageText = 1023;

} // namespace

GreetingsDialog::GreetingsDialog(const GreetingsForm& form, const QStringList& contacts, Send send,
                                 QWidget* parent)
    : QDialog(parent), m_form(form), m_sendTo(std::move(send)), m_users(new QComboBox(this)),
      m_categories(new QComboBox(this)), m_greetings(new QComboBox(this)),
      m_text(new QPlainTextEdit(this)), m_send(new QPushButton(QStringLiteral("Send"), this))
{
    setWindowTitle(QStringLiteral("Verbalink Greetings"));
    m_users->setEditable(true);
    m_users->setInsertPolicy(QComboBox::NoInsert);
    m_users->addItems(contacts);
    m_users->setCurrentText(QString());
    m_text->setTabChangesFocus(true);
    // Enter in the contact box sends, as the button the dialog is for.
    m_send->setDefault(true);
    m_categories->addItems(form.categories());
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("User:"), this), 0, 0);
    layout->addWidget(m_users, 0, 1, 1, 3);
    layout->addWidget(new QLabel(QStringLiteral("Greeting:"), this), 1, 0);
    layout->addWidget(m_greetings, 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("for"), this), 1, 2);
    layout->addWidget(m_categories, 1, 3);
    layout->addWidget(m_text, 2, 0, 1, 4);
    layout->addWidget(m_send, 3, 2);
    layout->addWidget(close, 3, 3);
    layout->setColumnStretch(1, 1);
    resize(520, 320);

    connect(m_categories, &QComboBox::activated, this, [this] { refillGreetings(); });
    connect(m_greetings, &QComboBox::activated, this, [this] { showText(); });
    connect(m_send, &QPushButton::clicked, this, [this] {
        const QString text = m_text->toPlainText().left(MaxMessageText);
        m_sendTo(m_users->currentText().left(MaxUserText),
                 QString(text).replace(u'\n', QStringLiteral("\r\n")));
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    refillGreetings();
}

void GreetingsDialog::refillGreetings()
{
    const std::optional<QStringList> shown =
        m_form.shortForms(m_categories->currentText().left(MaxUserText));
    if (!shown)
        return;
    m_greetings->clear();
    m_greetings->addItems(*shown);
    m_greetings->setCurrentIndex(0);
    showText();
}

void GreetingsDialog::showText()
{
    // Edit boxes show line breaks as LF; the chat gets them back as CR LF.
    QString text = m_form.text(m_categories->currentText(), m_greetings->currentIndex());
    m_text->setPlainText(text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

} // namespace verbalink
