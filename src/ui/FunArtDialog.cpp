#include "ui/FunArtDialog.h"

#include "extras/TextArtPictures.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace verbalink {

namespace {

constexpr int MaxText = 255;

} // namespace

FunArtDialog::FunArtDialog(const TextArtPictures& pictures, const QStringList& contacts, Send send,
                           QWidget* parent)
    : QDialog(parent), m_pictures(pictures), m_sendTo(std::move(send)),
      m_users(new QComboBox(this)), m_effects(new QComboBox(this)),
      m_preview(new QPlainTextEdit(this)), m_send(new QPushButton(QStringLiteral("Send"), this))
{
    setWindowTitle(QStringLiteral("Verbalink Fun & Art Message"));
    m_users->setEditable(true);
    m_users->setInsertPolicy(QComboBox::NoInsert);
    m_users->addItems(contacts);
    m_users->setCurrentText(QString());
    m_send->setDefault(true);
    m_effects->setEditable(true);
    m_effects->setInsertPolicy(QComboBox::NoInsert);
    m_effects->addItems(pictures.names());
    m_preview->setReadOnly(true);
    m_preview->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("User:"), this), 0, 0);
    layout->addWidget(m_users, 0, 1, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("Effect:"), this), 1, 0);
    layout->addWidget(m_effects, 1, 1, 1, 2);
    layout->addWidget(m_preview, 2, 0, 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_send);
    buttons->addWidget(close);
    layout->addLayout(buttons, 3, 0, 1, 3);
    layout->setColumnStretch(1, 1);
    resize(520, 420);

    connect(m_effects, &QComboBox::activated, this, [this] { showPreview(); });
    connect(m_send, &QPushButton::clicked, this, [this] {
        m_sendTo(m_users->currentText().left(MaxText), m_effects->currentText().left(MaxText));
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    showPreview();
}

void FunArtDialog::showPreview()
{
    // A name typed that is not in the list leaves the last picture shown.
    if (const std::optional<QString> picture =
            m_pictures.picture(m_effects->currentText().left(MaxText))) {
        QString shown = *picture;
        m_preview->setPlainText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }
}

} // namespace verbalink
