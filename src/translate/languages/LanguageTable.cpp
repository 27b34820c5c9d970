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

} // namespace verbalink
