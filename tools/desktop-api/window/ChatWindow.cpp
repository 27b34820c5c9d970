#include "ChatWindow.h"

#include "ChatAvatarArt.h"
#include "ChatConversationHeader.h"
#include "ChatInputRow.h"
#include "ChatMessageModel.h"
#include "ChatRosterDelegate.h"
#include "ChatRosterModel.h"
#include "ChatStatusLine.h"
#include "ChatView.h"

#include <QComboBox>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QRegularExpression>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace verbalink::desktopapi {

namespace {

constexpr int OwnAvatarSize = 34;

QString windowStyle()
{
    QFile file(u":/desktop-api/window.qss"_s);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

ChatWindow::ChatWindow(ChatRosterModel& roster, ChatMessageModel& messages, QWidget* parent)
    : QWidget(parent), m_roster(roster)
{
    setObjectName(u"chatWindow"_s);
    setTitle(u"Chat client simulator"_s);
    setStyleSheet(windowStyle());
    m_shownMessages.setSourceModel(&messages);
    m_shownMessages.setFilterRole(ChatMessageModel::ConversationRole);
    m_contacts.setSourceModel(&roster);
    m_contacts.setFilterRole(ChatRosterModel::GroupRole);
    m_contacts.setFilterFixedString(u"false"_s);

    auto* panes = new QHBoxLayout;
    panes->setSpacing(0);
    panes->addWidget(makeSidebar());
    panes->addWidget(makeChatPane(), 1);
    m_status = new ChatStatusLine(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(panes, 1);
    layout->addWidget(m_status);
    resize(880, 600);

    connect(m_rosterView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &ChatWindow::conversationChosen);
    connect(&m_roster, &QAbstractItemModel::dataChanged, this, &ChatWindow::rosterChanged);
    connect(&m_roster, &QAbstractItemModel::rowsInserted, this, &ChatWindow::rosterGrew);
    connect(m_userInput, &ChatInputRow::submitted, this,
            [this](const QString& text) { Q_EMIT userTyped(shownConversation(), text); });
    connect(m_contactInput, &ChatInputRow::submitted, this, &ChatWindow::contactSubmitted);
    connect(&m_contacts, &QAbstractItemModel::rowsInserted, this,
            [this] { describeConversation(m_rosterView->currentIndex()); });
    m_rosterView->setCurrentIndex(m_roster.index(0));
}

QWidget* ChatWindow::makeSidebar()
{
    auto* sidebar = new QWidget(this);
    sidebar->setObjectName(u"sidebar"_s);
    sidebar->setAttribute(Qt::WA_StyledBackground);
    sidebar->setFixedWidth(270);
    m_ownAvatar = new QLabel(sidebar);
    m_ownAvatar->setFixedSize(OwnAvatarSize, OwnAvatarSize);
    m_ownName = new QLabel(sidebar);
    m_ownName->setObjectName(u"ownName"_s);
    auto* you = new QLabel(u"you"_s, sidebar);
    you->setObjectName(u"ownCaption"_s);
    auto* names = new QVBoxLayout;
    names->setSpacing(0);
    names->addWidget(m_ownName);
    names->addWidget(you);
    auto* own = new QHBoxLayout;
    own->setContentsMargins(16, 14, 16, 10);
    own->setSpacing(10);
    own->addWidget(m_ownAvatar);
    own->addLayout(names, 1);

    auto* title = new QLabel(u"Chats"_s, sidebar);
    title->setObjectName(u"sidebarTitle"_s);
    m_rosterView = new QListView(sidebar);
    m_rosterView->setObjectName(u"roster"_s);
    m_rosterView->setModel(&m_roster);
    m_rosterView->setItemDelegate(new ChatRosterDelegate(m_rosterView));
    m_rosterView->setFrameShape(QFrame::NoFrame);
    m_rosterView->setMouseTracking(true);
    m_rosterView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_rosterView->setUniformItemSizes(true);

    auto* layout = new QVBoxLayout(sidebar);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->setSpacing(2);
    layout->addLayout(own);
    layout->addWidget(title);
    layout->addWidget(m_rosterView, 1);
    return sidebar;
}

QWidget* ChatWindow::makeChatPane()
{
    auto* pane = new QWidget(this);
    pane->setObjectName(u"chatPane"_s);
    m_header = new ChatConversationHeader(pane);
    connect(m_header, &ChatConversationHeader::callClicked, this,
            [this] { Q_EMIT callClicked(shownConversation()); });
    connect(m_header, &ChatConversationHeader::languageChosen, this,
            [this](const QString& code) { Q_EMIT languageChosen(shownConversation(), code); });
    m_chat = new ChatView(pane);
    m_chat->setObjectName(u"chatView"_s);
    m_chat->setModel(&m_shownMessages);

    auto* composer = new QWidget(pane);
    composer->setObjectName(u"composer"_s);
    composer->setAttribute(Qt::WA_StyledBackground);
    m_userInput = new ChatInputRow(u"Send"_s, u"message"_s, composer);
    auto* composerLayout = new QVBoxLayout(composer);
    composerLayout->setContentsMargins(16, 10, 16, 10);
    composerLayout->addWidget(m_userInput);

    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_header);
    layout->addWidget(m_chat, 1);
    layout->addWidget(composer);
    m_contactPanel = makeContactPanel();
    layout->addWidget(m_contactPanel);
    return pane;
}

// Clearly apart from the user's own line: what is written here comes from the contact.
QWidget* ChatWindow::makeContactPanel()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(u"contactPanel"_s);
    panel->setAttribute(Qt::WA_StyledBackground);
    m_contactLabel = new QLabel(panel);
    m_contactLabel->setObjectName(u"contactLabel"_s);
    m_groupAuthor = new QComboBox(panel);
    m_groupAuthor->setObjectName(u"groupAuthor"_s);
    m_groupAuthor->setModel(&m_contacts);
    m_contactInput = new ChatInputRow(u"Receive"_s, u"contact"_s, panel);
    auto* heading = new QHBoxLayout;
    heading->setSpacing(8);
    heading->addWidget(m_contactLabel);
    heading->addWidget(m_groupAuthor);
    heading->addStretch();
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(16, 8, 16, 10);
    layout->setSpacing(6);
    layout->addLayout(heading);
    layout->addWidget(m_contactInput);
    return panel;
}

void ChatWindow::setRealClient()
{
    m_header->setCallsShown(false);
    m_contactPanel->hide();
}

void ChatWindow::offerLanguages(const QStringList& codes)
{
    m_header->offerLanguages(codes);
    describeConversation(m_rosterView->currentIndex());
}

void ChatWindow::showConversation(const QString& key)
{
    const QModelIndex index = m_roster.indexOf(key);
    if (!index.isValid())
        return;
    m_picked = true;
    m_rosterView->setCurrentIndex(index);
}

QString ChatWindow::shownConversation() const
{
    return m_rosterView->currentIndex().data(ChatRosterModel::KeyRole).toString();
}

void ChatWindow::setOwnHandle(const QString& handle, const QImage& picture)
{
    m_ownName->setText(handle);
    m_ownAvatar->setPixmap(
        ChatAvatarArt::person(handle, handle, picture, OwnAvatarSize, devicePixelRatioF()));
    m_ownHandle = handle;
    setTitle(m_title);
}

void ChatWindow::setTitle(const QString& title)
{
    m_title = title;
    setWindowTitle(m_ownHandle.isEmpty() ? title : title + u" \u2014 "_s + m_ownHandle);
}

QLineEdit* ChatWindow::messageInput() const
{
    return m_userInput->line();
}

QLineEdit* ChatWindow::contactInput() const
{
    return m_contactInput->line();
}

void ChatWindow::conversationChosen(const QModelIndex& index)
{
    // A click or a key in the list.
    m_picked = m_picked || m_rosterView->hasFocus();
    const QString key = index.data(ChatRosterModel::KeyRole).toString();
    m_shownMessages.setFilterRegularExpression(
        QRegularExpression(QRegularExpression::anchoredPattern(QRegularExpression::escape(key))));
    m_chat->showNewest();
    m_roster.setShown(key);
    describeConversation(index);
    m_userInput->line()->setFocus();
}

void ChatWindow::rosterGrew()
{
    if (!m_picked && m_rosterView->currentIndex().row() != 0)
        m_rosterView->setCurrentIndex(m_roster.index(0));
}

void ChatWindow::rosterChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight)
{
    const int shown = m_rosterView->currentIndex().row();
    if (shown >= topLeft.row() && shown <= bottomRight.row())
        describeConversation(m_rosterView->currentIndex());
}

void ChatWindow::setInCall(const QStringList& handles)
{
    m_inCall = handles;
    m_header->setInCall(m_inCall.contains(shownConversation()));
}

void ChatWindow::describeConversation(const QModelIndex& index)
{
    m_header->showConversation(index);
    m_header->setInCall(m_inCall.contains(index.data(ChatRosterModel::KeyRole).toString()));
    const bool group = index.data(ChatRosterModel::GroupRole).toBool();
    const QString name = index.data(ChatRosterModel::NameRole).toString();
    m_userInput->setPlaceholder(group ? u"Message the group\u2026"_s
                                      : u"Message "_s + name + u"\u2026"_s);
    m_groupAuthor->setVisible(group);
    // A group chat without contacts has nobody to write in it.
    m_contactInput->setEnabled(!group || m_contacts.rowCount() > 0);
    m_contactLabel->setText(group ? u"Simulate a contact writing in the group:"_s
                                  : u"Simulate "_s + name + u" writing to you:"_s);
    m_contactInput->setPlaceholder(group ? u"What they write\u2026"_s
                                         : u"What "_s + name + u" writes\u2026"_s);
}

void ChatWindow::contactSubmitted(const QString& text)
{
    const QString conversation = shownConversation();
    const QString author = conversation.isEmpty()
                               ? m_groupAuthor->currentData(ChatRosterModel::KeyRole).toString()
                               : conversation;
    Q_EMIT contactWrote(conversation, author, text);
}

} // namespace verbalink::desktopapi
