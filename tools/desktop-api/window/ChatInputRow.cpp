#include "ChatInputRow.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace verbalink::desktopapi {

ChatInputRow::ChatInputRow(const QString& buttonText, const QString& name, QWidget* parent)
    : QWidget(parent), m_line(new QLineEdit(this)), m_button(new QPushButton(buttonText, this))
{
    m_line->setObjectName(name + QLatin1String("Input"));
    m_button->setObjectName(name + QLatin1String("Button"));
    m_button->setEnabled(false);
    m_button->setCursor(Qt::PointingHandCursor);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(m_line, 1);
    layout->addWidget(m_button);
    connect(m_line, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_button->setEnabled(!text.trimmed().isEmpty()); });
    connect(m_line, &QLineEdit::returnPressed, this, &ChatInputRow::submit);
    connect(m_button, &QPushButton::clicked, this, &ChatInputRow::submit);
}

void ChatInputRow::setPlaceholder(const QString& text)
{
    m_line->setPlaceholderText(text);
}

void ChatInputRow::submit()
{
    const QString text = m_line->text();
    if (text.trimmed().isEmpty())
        return;
    m_line->clear();
    Q_EMIT submitted(text);
}

} // namespace verbalink::desktopapi
