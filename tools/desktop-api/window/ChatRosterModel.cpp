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
    m_entries.append(Entry{}); // the group chat
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
    const int row = int(m_entries.size()) - 1;
    beginInsertRows({}, row, row);
    m_entries.insert(row, {key, m_messages.latestBody(key), 0});
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
        return entry.key.isEmpty();
    case PreviewRole:
        return entry.preview;
    case UnreadRole:
        return entry.unread;
    default:
        break;
    }
    if (!entry.key.isEmpty())
        return contactData(entry.key, role);
    if (role == NameRole || role == Qt::DisplayRole)
        return u"Group chat"_s;
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
    case PictureRole:
        return !m_api.world().picture(handle).isNull();
    case PictureImageRole:
        return m_api.world().picture(handle);
    default:
        return {};
    }
}

} // namespace verbalink::desktopapi
