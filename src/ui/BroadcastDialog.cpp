#include "ui/BroadcastDialog.h"

#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace verbalink {

namespace {

constexpr int MaxMessageText = 1023;

} // namespace

BroadcastDialog::BroadcastDialog(QWidget* parent)
    : QDialog(parent), m_message(new QPlainTextEdit(this)), m_progress(new QProgressBar(this)),
      m_send(new QPushButton(QStringLiteral("Send"), this)),
      m_close(new QPushButton(QStringLiteral("Close"), this))
{
    setWindowTitle(QStringLiteral("Verbalink: Broadcast mass message "));
    m_progress->setValue(0);
    m_message->setTabChangesFocus(true);
    m_progress->setTextVisible(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_send);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(QStringLiteral("Send message to all people in your contact list:"), this));
    layout->addWidget(m_message);
    layout->addWidget(m_progress);
    layout->addLayout(buttons);
    resize(460, 260);

    connect(m_send, &QPushButton::clicked, this, &BroadcastDialog::send);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::rejected, this, [this] {
        if (m_sending)
            Q_EMIT cancelRequested();
    });
    m_message->setFocus();
}

void BroadcastDialog::send()
{
    if (m_sending)
        return;
    const QString text = m_message->toPlainText().left(MaxMessageText);
    if (text.isEmpty()) {
        QMessageBox::warning(this, QStringLiteral("Warning"),
                             QStringLiteral("Cannot send empty message!"));
        return;
    }
    m_sending = true;
    m_send->setText(QStringLiteral("Sending..."));
    m_send->setEnabled(false);
    m_message->setReadOnly(true);
    // Chat messages take CR LF as line breaks.
    Q_EMIT sendRequested(QString(text).replace(u'\n', QStringLiteral("\r\n")));
}

void BroadcastDialog::showProgress(qsizetype done, qsizetype count)
{
    m_progress->setRange(0, int(count));
    m_progress->setValue(int(done));
}

} // namespace verbalink
