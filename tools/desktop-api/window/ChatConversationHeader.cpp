#include "ChatConversationHeader.h"

#include "ApiContacts.h"
#include "ChatAvatarArt.h"
#include "ChatRosterModel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace verbalink::desktopapi {

namespace {

constexpr int AvatarSize = 36;

} // namespace

ChatConversationHeader::ChatConversationHeader(QWidget* parent)
    : QWidget(parent), m_avatar(new QLabel(this)), m_name(new QLabel(this)),
      m_details(new QLabel(this)), m_call(new QPushButton(u"Call"_s, this)),
      m_language(new QComboBox(this))
{
    setObjectName(u"conversationHeader"_s);
    setAttribute(Qt::WA_StyledBackground);
    m_name->setObjectName(u"conversationName"_s);
    m_details->setObjectName(u"conversationDetails"_s);
    m_avatar->setFixedSize(AvatarSize, AvatarSize);
    m_call->setObjectName(u"callButton"_s);
    connect(m_call, &QPushButton::clicked, this, &ChatConversationHeader::callClicked);
    m_language->setObjectName(u"languageChoice"_s);
    m_language->setToolTip(u"The language this contact writes"_s);
    m_language->hide();
    // Only the user's own choice: filling the list or showing a contact says nothing.
    connect(m_language, &QComboBox::activated, this,
            [this](int index) { Q_EMIT languageChosen(m_language->itemData(index).toString()); });
    auto* names = new QVBoxLayout;
    names->setSpacing(0);
    names->addWidget(m_name);
    names->addWidget(m_details);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(16, 10, 16, 10);
    layout->setSpacing(10);
    layout->addWidget(m_avatar);
    layout->addLayout(names, 1);
    layout->addWidget(m_language);
    layout->addWidget(m_call);
}

void ChatConversationHeader::offerLanguages(const QStringList& codes)
{
    m_language->clear();
    m_language->addItem(u"Language: as they write"_s, QString());
    for (const QString& code : codes)
        m_language->addItem(ApiContacts::languageName(code), code);
    m_languagesOffered = true;
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
    m_language->setVisible(m_languagesOffered && !group);
    const int chosen =
        m_language->findData(conversation.data(ChatRosterModel::LanguageCodeRole).toString());
    m_language->setCurrentIndex(std::max(0, chosen));
    if (group && !handle.isEmpty())
        m_details->setText(u"Group chat"_s);
    else if (group)
        m_details->setText(u"You and all your contacts"_s);
    else if (language.isEmpty())
        m_details->setText(handle + u" \u00B7 language unknown"_s);
    else
        m_details->setText(handle + u" \u00B7 writes "_s + language);
}

} // namespace verbalink::desktopapi
