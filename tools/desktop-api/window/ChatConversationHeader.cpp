#include "ChatConversationHeader.h"

#include "ChatAvatarArt.h"
#include "ChatRosterModel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace verbalink::desktopapi {

namespace {

constexpr int AvatarSize = 36;

} // namespace

ChatConversationHeader::ChatConversationHeader(QWidget* parent)
    : QWidget(parent), m_avatar(new QLabel(this)), m_name(new QLabel(this)),
      m_details(new QLabel(this)), m_call(new QPushButton(u"Call"_s, this))
{
    setObjectName(u"conversationHeader"_s);
    setAttribute(Qt::WA_StyledBackground);
    m_name->setObjectName(u"conversationName"_s);
    m_details->setObjectName(u"conversationDetails"_s);
    m_avatar->setFixedSize(AvatarSize, AvatarSize);
    m_call->setObjectName(u"callButton"_s);
    connect(m_call, &QPushButton::clicked, this, &ChatConversationHeader::callClicked);
    auto* names = new QVBoxLayout;
    names->setSpacing(0);
    names->addWidget(m_name);
    names->addWidget(m_details);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(16, 10, 16, 10);
    layout->setSpacing(10);
    layout->addWidget(m_avatar);
    layout->addLayout(names, 1);
    layout->addWidget(m_call);
}

void ChatConversationHeader::setCallsShown(bool shown)
{
    m_callsShown = shown;
    m_call->setVisible(shown);
}

void ChatConversationHeader::setInCall(bool inCall)
{
    m_call->setText(inCall ? u"Hang up"_s : u"Call"_s);
}

void ChatConversationHeader::showConversation(const QModelIndex& conversation)
{
    const bool group = conversation.data(ChatRosterModel::GroupRole).toBool();
    const QString handle = conversation.data(ChatRosterModel::KeyRole).toString();
    const QString name = conversation.data(ChatRosterModel::NameRole).toString();
    const qreal ratio = devicePixelRatioF();
    m_avatar->setPixmap(
        group ? ChatAvatarArt::group(AvatarSize, ratio)
              : ChatAvatarArt::person(
                    handle, name,
                    conversation.data(ChatRosterModel::PictureImageRole).value<QImage>(),
                    AvatarSize, ratio));
    m_name->setText(name);
    // Calls are one to one.
    m_call->setVisible(m_callsShown && !group);
    const QString language = conversation.data(ChatRosterModel::LanguageRole).toString();
    if (group)
        m_details->setText(u"You and all your contacts"_s);
    else if (language.isEmpty())
        m_details->setText(handle + u" \u00B7 language unknown"_s);
    else
        m_details->setText(handle + u" \u00B7 writes "_s + language);
}

} // namespace verbalink::desktopapi
