#include "gateway/ApertiumRoutes.h"

#include <QHash>
#include <algorithm>
#include <deque>

namespace verbalink::gateway {

namespace {

constexpr QByteArrayView Hubs[] = {"eng", "spa"};

int hubRank(const QByteArray& language)
{
    const auto* hub = std::find(std::begin(Hubs), std::end(Hubs), language);
    return int(hub - std::begin(Hubs));
}

// The hubs first, so that a search that takes the first way it finds prefers them.
bool beforeInSearch(const QByteArray& a, const QByteArray& b)
{
    const int rankA = hubRank(a);
    const int rankB = hubRank(b);
    return rankA != rankB ? rankA < rankB : a < b;
}

} // namespace

ApertiumRoutes::ApertiumRoutes(const ApertiumModes& modes)
{
    QMap<QByteArray, QList<QByteArray>> next;
    for (const ApertiumModes::Direction& direction : modes.directions())
        next[direction.first].append(direction.second);
    for (QList<QByteArray>& targets : next)
        std::sort(targets.begin(), targets.end(), beforeInSearch);
    for (auto from = next.cbegin(); from != next.cend(); ++from)
        findFrom(from.key(), next);
}

void ApertiumRoutes::findFrom(const QByteArray& from,
                              const QMap<QByteArray, QList<QByteArray>>& next)
{
    // Breadth first: the first way to reach a language is one of the shortest, and the hubs
    // are tried first at every step.
    QHash<QByteArray, QByteArray> cameFrom{{from, {}}};
    QHash<QByteArray, int> steps{{from, 0}};
    std::deque<QByteArray> reached{from};
    while (!reached.empty()) {
        const QByteArray language = reached.front();
        reached.pop_front();
        if (steps.value(language) == MaxSteps)
            continue;
        for (const QByteArray& target : next.value(language)) {
            if (cameFrom.contains(target))
                continue;
            cameFrom.insert(target, language);
            steps.insert(target, steps.value(language) + 1);
            reached.push_back(target);
        }
    }
    for (auto it = cameFrom.cbegin(); it != cameFrom.cend(); ++it) {
        if (it.key() == from)
            continue;
        QList<QByteArray> languages{it.key()};
        while (languages.front() != from)
            languages.prepend(cameFrom.value(languages.front()));
        m_routes.insert({from, it.key()}, languages);
    }
}

QList<QByteArray> ApertiumRoutes::route(QByteArrayView from, QByteArrayView to) const
{
    return m_routes.value({from.toByteArray(), to.toByteArray()});
}

QStringList ApertiumRoutes::describe() const
{
    QStringList lines;
    QByteArray source;
    QString line;
    for (auto it = m_routes.cbegin(); it != m_routes.cend(); ++it) {
        if (it.key().first != source) {
            if (!line.isEmpty())
                lines.append(line);
            source = it.key().first;
            line = QString::fromLatin1(source) + u':';
        }
        const QList<QByteArray>& languages = it.value();
        line += u' ' + QString::fromLatin1(languages.back());
        if (languages.size() > 2)
            line +=
                u'(' + QString::fromLatin1(languages.mid(1, languages.size() - 2).join(' ')) + u')';
    }
    if (!line.isEmpty())
        lines.append(line);
    return lines;
}

} // namespace verbalink::gateway
