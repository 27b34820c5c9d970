#include "ApiCommandTable.h"

namespace verbalink::desktopapi {

namespace {

// Keys compare without regard to case, as the client's API does for command words.
bool keyMatches(const QString& key, const QString& command)
{
    if (!command.startsWith(key, Qt::CaseInsensitive))
        return false;
    return command.size() == key.size() || command.at(key.size()) == u' ';
}

} // namespace

void ApiCommandTable::add(const QString& key, Handler handler)
{
    for (Entry& entry : m_entries) {
        if (entry.key.compare(key, Qt::CaseInsensitive) == 0) {
            entry.handler = std::move(handler);
            return;
        }
    }
    m_entries.append({key, std::move(handler)});
}

std::optional<ApiCommandTable::Match> ApiCommandTable::find(const QString& command) const
{
    const Entry* best = nullptr;
    for (const Entry& entry : m_entries) {
        if (keyMatches(entry.key, command) && (!best || entry.key.size() > best->key.size()))
            best = &entry;
    }
    if (!best)
        return std::nullopt;
    return Match{best->handler, command.mid(best->key.size() + 1)};
}

} // namespace verbalink::desktopapi
