#include "ui/MessageViewDialog.h"

#include "extras/MessageList.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace verbalink {

MessageViewDialog::MessageViewDialog(MessageList& list, Kind kind, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowStaysOnTopHint), m_list(list), m_kind(kind),
      m_lines(new QListWidget(this))
{
    setWindowTitle(kind == Kind::Decrypted ? QStringLiteral("Verbalink Encrypted Messages")
                                           : QStringLiteral("Translated Incomming Messages"));
    auto* hint = new QLabel(QStringLiteral("( select a message to view it )"), this);
    auto* clearAll = new QPushButton(QStringLiteral("Clear All"), this);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    clearAll->setObjectName(QStringLiteral("clearAll"));
    close->setObjectName(QStringLiteral("close"));
    // Enter belongs to the list (it shows the line), not to a button.
    clearAll->setAutoDefault(false);
    close->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(hint);
    buttons->addStretch();
    buttons->addWidget(clearAll);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_lines);
    layout->addLayout(buttons);
    resize(520, 360);

    connect(clearAll, &QPushButton::clicked, this, [this] { m_list.clear(); });
    connect(close, &QPushButton::clicked, this, &MessageViewDialog::reject);
    // Activation is Enter or a double click on a line.
    connect(m_lines, &QListWidget::itemActivated, this, &MessageViewDialog::showSelected);
    // The list changes on worker threads.
    connect(&m_list, &MessageList::changed, this, &MessageViewDialog::refresh,
            Qt::QueuedConnection);
}

void MessageViewDialog::openView()
{
    if (m_open)
        return;
    setOpen(true);
    refresh();
}

QString MessageViewDialog::boxCaption() const
{
    return m_kind == Kind::Decrypted ? QStringLiteral("Secret Message Text")
                                     : QStringLiteral("Incoming Message Text");
}

void MessageViewDialog::reject()
{
    hide();
    setOpen(false);
}

void MessageViewDialog::closeEvent(QCloseEvent* event)
{
    event->accept();
    reject();
}

void MessageViewDialog::refresh()
{
    if (!m_open)
        return;
    m_lines->clear();
    m_lines->addItems(m_list.lines());
    show();
    raise();
}

void MessageViewDialog::showSelected()
{
    const QListWidgetItem* item = m_lines->currentItem();
    if (!item || !item->isSelected())
        return;
    auto* box =
        new QMessageBox(QMessageBox::NoIcon, boxCaption(), item->text(), QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void MessageViewDialog::setOpen(bool open)
{
    if (m_open.exchange(open) != open)
        Q_EMIT openChanged(open);
}

} // namespace verbalink
