#include "ChatRosterModel.h"

#include "ApiContacts.h"
#include "ApiWorld.h"
#include "ChatMessageModel.h"
#include "DesktopApi.h"

using namespace Qt::StringLiterals;

namespace verbalink::desktopapi {

ChatRosterModel::ChatRosterModel(const DesktopApi& api, const ChatMessageModel& messages,
                                 QObject* parent)
    : QAbstractListModel(parent), m_api(api), m_messages(messages)
{
    m_entries.append(Entry{{}, {}, 0, true, u"Group chat"_s}); // the standing group chat
    refresh();
    connect(&m_messages, &ChatMessageModel::conversationChanged, this,
            &ChatRosterModel::conversationChanged);
}

void ChatRosterModel::refresh()
{
    for (const ApiUser& user : m_api.state().users)
        ensureRow(user.handle);
    Q_EMIT dataChanged(index(0), index(rowCount() - 1));
}

void ChatRosterModel::addGroup(const QString& key, const QString& title)
{
    if (const QModelIndex known = indexOf(key); known.isValid()) {
        m_entries[known.row()].title = title;
        Q_EMIT dataChanged(known, known, {NameRole, Qt::DisplayRole});
        return;
    }
    const int row = int(m_entries.size());
    beginInsertRows({}, row, row);
    m_entries.append({key, m_messages.latestBody(key), 0, true, title});
    endInsertRows();
}

void ChatRosterModel::dropStandingGroup()
{
    const QModelIndex standing = indexOf({});
    if (!standing.isValid() || !m_entries.at(standing.row()).group)
        return;
    beginRemoveRows({}, standing.row(), standing.row());
    m_entries.removeAt(standing.row());
    endRemoveRows();
}

QModelIndex ChatRosterModel::indexOf(const QString& key) const
{
    for (int row = 0; row < m_entries.size(); ++row) {
        if (m_entries.at(row).key == key)
            return index(row);
    }
    return {};
}

void ChatRosterModel::setShown(const QString& key)
{
    m_shown = key;
    const QModelIndex shown = indexOf(key);
    if (!shown.isValid() || m_entries[shown.row()].unread == 0)
        return;
    m_entries[shown.row()].unread = 0;
    Q_EMIT dataChanged(shown, shown, {UnreadRole});
}

void ChatRosterModel::conversationChanged(const QString& key, bool fromOthers)
{
    const int row = ensureRow(key);
    Entry& entry = m_entries[row];
    entry.preview = m_messages.latestBody(key);
    if (fromOthers && key != m_shown)
        ++entry.unread;
    Q_EMIT dataChanged(index(row), index(row), {PreviewRole, UnreadRole});
}

int ChatRosterModel::ensureRow(const QString& key)
{
    const QModelIndex known = indexOf(key);
    if (known.isValid())
        return known.row();
    // Before the group chats.
    int row = 0;
    while (row < m_entries.size() && !m_entries.at(row).group)
        ++row;
    beginInsertRows({}, row, row);
    m_entries.insert(row, {key, m_messages.latestBody(key), 0, false, {}});
    endInsertRows();
    return row;
}

int ChatRosterModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant ChatRosterModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Entry& entry = m_entries.at(index.row());
    switch (role) {
    case KeyRole:
        return entry.key;
    case GroupRole:
        return entry.group;
    case PreviewRole:
        return entry.preview;
    case UnreadRole:
        return entry.unread;
    default:
        break;
    }
    if (!entry.group)
        return contactData(entry.key, role);
    if (role == NameRole || role == Qt::DisplayRole)
        return entry.title;
    if (role == LanguageRole)
        return u"everyone"_s;
    return {};
}

QVariant ChatRosterModel::contactData(const QString& handle, int role) const
{
    const ApiUser* user = m_api.state().findUser(handle);
    switch (role) {
    case Qt::DisplayRole:
    case NameRole:
        return user && !user->fullName.isEmpty() ? user->fullName : handle;
    case LanguageRole: {
        if (!user)
            return QString();
        const QString name = ApiContacts::languageName(user->language);
        return name.isEmpty() ? user->language : name;
    }
    case LanguageCodeRole:
        return user ? user->language : QString();
    case PictureRole:
        return !m_api.world().picture(handle).isNull();
    case PictureImageRole:
        return m_api.world().picture(handle);
    default:
        return {};
    }
}

} // namespace verbalink::desktopapi
