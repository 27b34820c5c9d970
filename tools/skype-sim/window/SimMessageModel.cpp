#include "SimMessageModel.h"

#include "SkypeSimulator.h"

#include <algorithm>

namespace verbalink::sim {

SimMessageModel::SimMessageModel(const SkypeSimulator& simulator, qsizetype capacity,
                                 QObject* parent)
    : QAbstractListModel(parent), m_simulator(simulator),
      m_capacity(std::max<qsizetype>(1, capacity))
{}

void SimMessageModel::record(SimMessageChange change, const SimChatMessage& message)
{
    if (change == SimMessageChange::BodySet)
        replaceBody(message);
    else
        append(change, message);
}

void SimMessageModel::append(SimMessageChange change, const SimChatMessage& message)
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
    entry.own = message.author == m_simulator.state().ownHandle;
    entry.posted = change == SimMessageChange::Posted;
    if (entry.posted)
        entry.program = m_simulator.state().attachedApp;
    entry.time = QTime::currentTime();
    const int row = int(m_entries.size());
    beginInsertRows({}, row, row);
    m_entries.append(entry);
    endInsertRows();
    Q_EMIT conversationChanged(entry.conversation, !entry.own);
}

void SimMessageModel::replaceBody(const SimChatMessage& message)
{
    const auto found = std::lower_bound(m_entries.begin(), m_entries.end(), message.id,
                                        [](const Entry& entry, int id) { return entry.id < id; });
    if (found == m_entries.end() || found->id != message.id)
        return;
    found->body = message.body;
    found->replaced = true;
    found->program = m_simulator.state().attachedApp;
    const QModelIndex changed = index(int(found - m_entries.begin()));
    Q_EMIT dataChanged(changed, changed);
    Q_EMIT conversationChanged(found->conversation, false);
}

QString SimMessageModel::conversationOf(const QString& chatName) const
{
    const SimChat* chat = m_simulator.chats().chats().find(chatName);
    return chat ? chat->partner : QString();
}

QString SimMessageModel::authorName(const QString& handle) const
{
    const SimUser* user = m_simulator.state().findUser(handle);
    return user && !user->fullName.isEmpty() ? user->fullName : handle;
}

QString SimMessageModel::latestBody(const QString& conversation) const
{
    for (auto entry = m_entries.crbegin(); entry != m_entries.crend(); ++entry) {
        if (entry->conversation == conversation)
            return entry->body;
    }
    return {};
}

int SimMessageModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant SimMessageModel::data(const QModelIndex& index, int role) const
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
        return !m_simulator.state().withoutAvatar.contains(entry.author);
    case Qt::DisplayRole:
    case BodyRole:
        return entry.body;
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
    case TimeRole:
        return entry.time;
    default:
        return {};
    }
}

QHash<int, QByteArray> SimMessageModel::roleNames() const
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
            {TimeRole, "time"}};
}

} // namespace verbalink::sim
