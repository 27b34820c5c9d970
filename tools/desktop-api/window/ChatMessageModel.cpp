#include "ChatMessageModel.h"

#include "ApiWorld.h"
#include "DesktopApi.h"

#include <algorithm>

namespace verbalink::desktopapi {

ChatMessageModel::ChatMessageModel(const DesktopApi& api, qsizetype capacity, QObject* parent)
    : QAbstractListModel(parent), m_api(api), m_capacity(std::max<qsizetype>(1, capacity))
{}

void ChatMessageModel::record(ApiMessageChange change, const ApiChatMessage& message)
{
    if (change == ApiMessageChange::BodySet || change == ApiMessageChange::Edited)
        replaceBody(message, change == ApiMessageChange::Edited);
    else if (change == ApiMessageChange::StatusSet || change == ApiMessageChange::Delivered)
        changeStatus(message);
    else
        append(change, message);
}

void ChatMessageModel::append(ApiMessageChange change, const ApiChatMessage& message)
{
    if (m_entries.size() >= m_capacity) {
        beginRemoveRows({}, 0, 0);
        m_entries.removeFirst();
        endRemoveRows();
    }
    Entry entry;
    entry.id = message.id;
    entry.conversation = conversationOf(message.chatName);
    entry.author = message.author;
    entry.body = message.body;
    entry.typedBody = message.body;
    entry.own = message.author == m_api.state().ownHandle;
    entry.posted = change == ApiMessageChange::Posted;
    if (entry.posted)
        entry.program = m_api.state().attachedApp;
    entry.status = message.status;
    entry.time = QTime::currentTime();
    const int row = int(m_entries.size());
    beginInsertRows({}, row, row);
    m_entries.append(entry);
    endInsertRows();
    Q_EMIT conversationChanged(entry.conversation, !entry.own);
}

ChatMessageModel::Entry* ChatMessageModel::find(int id)
{
    const auto found =
        std::lower_bound(m_entries.begin(), m_entries.end(), id,
                         [](const Entry& entry, int wanted) { return entry.id < wanted; });
    return found == m_entries.end() || found->id != id ? nullptr : &*found;
}

void ChatMessageModel::changeStatus(const ApiChatMessage& message)
{
    Entry* found = find(message.id);
    if (!found)
        return;
    found->status = message.status;
    found->delivered = message.delivered;
    const QModelIndex changed = index(int(found - m_entries.data()));
    Q_EMIT dataChanged(changed, changed);
}

void ChatMessageModel::replaceBody(const ApiChatMessage& message, bool byAuthor)
{
    Entry* found = find(message.id);
    if (!found)
        return;
    found->body = message.body;
    if (byAuthor) {
        found->edited = true;
    } else {
        found->replaced = true;
        found->program = m_api.state().attachedApp;
    }
    const QModelIndex changed = index(int(found - m_entries.data()));
    Q_EMIT dataChanged(changed, changed);
    Q_EMIT conversationChanged(found->conversation, false);
}

QString ChatMessageModel::conversationOf(const QString& chatName) const
{
    const ApiChat* chat = m_api.chats().chats().find(chatName);
    if (!chat)
        return {};
    return chat->partner.isEmpty() && m_groupsByName ? chat->name : chat->partner;
}

QString ChatMessageModel::authorName(const QString& handle) const
{
    const ApiUser* user = m_api.state().findUser(handle);
    return user && !user->fullName.isEmpty() ? user->fullName : handle;
}

QString ChatMessageModel::latestBody(const QString& conversation) const
{
    for (auto entry = m_entries.crbegin(); entry != m_entries.crend(); ++entry) {
        if (entry->conversation == conversation)
            return shown(entry->body);
    }
    return {};
}

int ChatMessageModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant ChatMessageModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Entry& entry = m_entries.at(index.row());
    switch (role) {
    case IdRole:
        return entry.id;
    case ConversationRole:
        return entry.conversation;
    case AuthorRole:
        return entry.author;
    case AuthorNameRole:
        return authorName(entry.author);
    case AuthorPictureRole:
        return !m_api.world().picture(entry.author).isNull();
    case AuthorPictureImageRole:
        return m_api.world().picture(entry.author);
    case Qt::DisplayRole:
    case BodyRole:
        return shown(entry.body);
    case TypedBodyRole:
        return entry.typedBody;
    case OwnRole:
        return entry.own;
    case PostedRole:
        return entry.posted;
    case ReplacedRole:
        return entry.replaced;
    case ProgramRole:
        return entry.program;
    case StatusRole:
        return entry.status;
    case DeliveredRole:
        return entry.delivered;
    case EditedRole:
        return entry.edited;
    case TimeRole:
        return entry.time;
    default:
        return {};
    }
}

QHash<int, QByteArray> ChatMessageModel::roleNames() const
{
    return {{IdRole, "id"},
            {ConversationRole, "conversation"},
            {AuthorRole, "author"},
            {AuthorNameRole, "authorName"},
            {AuthorPictureRole, "authorPicture"},
            {BodyRole, "body"},
            {TypedBodyRole, "typedBody"},
            {OwnRole, "own"},
            {PostedRole, "posted"},
            {ReplacedRole, "replaced"},
            {ProgramRole, "program"},
            {TimeRole, "time"},
            {StatusRole, "status"},
            {DeliveredRole, "delivered"},
            {EditedRole, "edited"}};
}

} // namespace verbalink::desktopapi
