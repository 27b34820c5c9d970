#include "ChatStatusLine.h"

#include "ApiMessageLog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>

using namespace Qt::StringLiterals;

namespace verbalink::desktopapi {

ChatStatusLine::ChatStatusLine(QWidget* parent)
    : QWidget(parent), m_light(new QLabel(u"\u25CF"_s, this)),
      m_attach(new QLabel(u"Waiting for a program to attach"_s, this)), m_command(new QLabel(this))
{
    setObjectName(u"statusLine"_s);
    setAttribute(Qt::WA_StyledBackground);
    m_light->setObjectName(u"attachLight"_s);
    m_light->setProperty("attached", false);
    m_attach->setObjectName(u"attachState"_s);
    m_command->setObjectName(u"lastCommand"_s);
    m_command->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_command->setMinimumWidth(40);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 5, 12, 5);
    layout->setSpacing(6);
    layout->addWidget(m_light);
    layout->addWidget(m_attach);
    layout->addSpacing(16);
    layout->addWidget(m_command, 1);
}

void ChatStatusLine::setAttached(const QString& application, const QString& client)
{
    const QString who = application.isEmpty() ? u"A program"_s : application;
    m_attach->setText(who + u" attached ("_s + client + u')');
    setLight(true);
}

void ChatStatusLine::setDetached()
{
    m_attach->setText(u"No program attached"_s);
    setLight(false);
}

void ChatStatusLine::setLight(bool attached)
{
    m_light->setProperty("attached", attached);
    // The style sheet colours the light by that property, and reads it only when polishing.
    style()->unpolish(m_light);
    style()->polish(m_light);
}

void ChatStatusLine::setLastCommand(const QString& command)
{
    m_lastCommand = command;
    showLastCommand();
}

QString ChatStatusLine::attachText() const
{
    return m_attach->text();
}

void ChatStatusLine::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    showLastCommand();
}

void ChatStatusLine::showLastCommand()
{
    if (m_lastCommand.isEmpty())
        return;
    // Escaped like the command log, so a body's line break cannot make the line grow.
    const QString text = u"Last command: "_s + ApiMessageLog::escape(m_lastCommand);
    m_command->setText(
        m_command->fontMetrics().elidedText(text, Qt::ElideRight, m_command->width()));
    m_command->setToolTip(text);
}

} // namespace verbalink::desktopapi
