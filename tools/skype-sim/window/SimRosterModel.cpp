#include "SimRosterModel.h"

#include "SimContacts.h"
#include "SimMessageModel.h"
#include "SkypeSimulator.h"

using namespace Qt::StringLiterals;

namespace verbalink::sim {

SimRosterModel::SimRosterModel(const SkypeSimulator& simulator, const SimMessageModel& messages,
                               QObject* parent)
    : QAbstractListModel(parent), m_simulator(simulator), m_messages(messages)
{
    m_entries.append(Entry{}); // the group chat
    refresh();
    connect(&m_messages, &SimMessageModel::conversationChanged, this,
            &SimRosterModel::conversationChanged);
}

void SimRosterModel::refresh()
{
    for (const SimUser& user : m_simulator.state().users)
        ensureRow(user.handle);
    Q_EMIT dataChanged(index(0), index(rowCount() - 1));
}

QModelIndex SimRosterModel::indexOf(const QString& key) const
{
    for (int row = 0; row < m_entries.size(); ++row) {
        if (m_entries.at(row).key == key)
            return index(row);
    }
    return {};
}

void SimRosterModel::setShown(const QString& key)
{
    m_shown = key;
    const QModelIndex shown = indexOf(key);
    if (!shown.isValid() || m_entries[shown.row()].unread == 0)
        return;
    m_entries[shown.row()].unread = 0;
    Q_EMIT dataChanged(shown, shown, {UnreadRole});
}

void SimRosterModel::conversationChanged(const QString& key, bool fromOthers)
{
    const int row = ensureRow(key);
    Entry& entry = m_entries[row];
    entry.preview = m_messages.latestBody(key);
    if (fromOthers && key != m_shown)
        ++entry.unread;
    Q_EMIT dataChanged(index(row), index(row), {PreviewRole, UnreadRole});
}

int SimRosterModel::ensureRow(const QString& key)
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

int SimRosterModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant SimRosterModel::data(const QModelIndex& index, int role) const
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

QVariant SimRosterModel::contactData(const QString& handle, int role) const
{
    const SimUser* user = m_simulator.state().findUser(handle);
    switch (role) {
    case Qt::DisplayRole:
    case NameRole:
        return user && !user->fullName.isEmpty() ? user->fullName : handle;
    case LanguageRole: {
        if (!user)
            return QString();
        const QString name = SimContacts::languageName(user->language);
        return name.isEmpty() ? user->language : name;
    }
    case PictureRole:
        return !m_simulator.state().withoutAvatar.contains(handle);
    default:
        return {};
    }
}

} // namespace verbalink::sim
