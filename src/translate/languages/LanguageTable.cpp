#include "translate/languages/LanguageTable.h"

namespace verbalink {

LanguageTable::LanguageTable(QList<LanguageEntry> entries) : m_entries(std::move(entries)) {}

const LanguageEntry* LanguageTable::byCommand(int commandId) const
{
    for (const LanguageEntry& entry : m_entries) {
        if (entry.commandId == commandId)
            return &entry;
    }
    return nullptr;
}

const LanguageEntry* LanguageTable::byCode(QByteArrayView code) const
{
    for (const LanguageEntry& entry : m_entries) {
        if (entry.code == code)
            return &entry;
    }
    return nullptr;
}

QByteArrayView pairSourceCode(QByteArrayView pair)
{
    const qsizetype cut = pair.indexOf('_');
    return cut < 0 ? QByteArrayView() : pair.first(cut);
}

QByteArrayView pairTargetCode(QByteArrayView pair)
{
    const qsizetype cut = pair.indexOf('_');
    return cut < 0 ? QByteArrayView() : pair.sliced(cut + 1);
}

} // namespace verbalink
