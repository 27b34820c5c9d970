#include "SrvTargets.h"

#include <algorithm>

namespace verbalink::xmpp {

namespace {

bool isNoService(const SrvTargets::Record& record)
{
    return record.target.isEmpty() || record.target == u'.';
}

} // namespace

QList<SrvTargets::Endpoint> SrvTargets::choose(QList<Record> records, const QString& domain,
                                               const Random& random)
{
    if (records.isEmpty())
        return {{domain, StandardPort}};
    if (records.size() == 1 && isNoService(records.first()))
        return {};
    records.removeIf(isNoService);
    std::stable_sort(records.begin(), records.end(),
                     [](const Record& a, const Record& b) { return a.priority < b.priority; });
    QList<Endpoint> ordered;
    for (qsizetype begin = 0; begin < records.size();) {
        qsizetype end = begin;
        while (end < records.size() && records.at(end).priority == records.at(begin).priority)
            ++end;
        QList<Record> group = records.mid(begin, end - begin);
        takeByWeight(group, ordered, random);
        begin = end;
    }
    return ordered;
}

// Zero weights go first, so that the running sum gives them a small chance of coming first.
void SrvTargets::takeByWeight(QList<Record>& group, QList<Endpoint>& ordered, const Random& random)
{
    std::stable_partition(group.begin(), group.end(),
                          [](const Record& record) { return record.weight == 0; });
    while (!group.isEmpty()) {
        quint32 total = 0;
        for (const Record& record : std::as_const(group))
            total += quint32(record.weight);
        const quint32 pick = random(total);
        quint32 running = 0;
        qsizetype chosen = group.size() - 1;
        for (qsizetype i = 0; i < group.size(); ++i) {
            running += quint32(group.at(i).weight);
            if (running >= pick) {
                chosen = i;
                break;
            }
        }
        const Record record = group.takeAt(chosen);
        ordered.append({record.target, record.port});
    }
}

} // namespace verbalink::xmpp
