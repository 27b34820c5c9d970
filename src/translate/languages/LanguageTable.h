#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace verbalink {

// One language entry of a language menu: its command id, the code the service understands
// (empty for automatic detection and "Disabled") and, for target menus, the flag code.
struct LanguageEntry {
    int commandId = 0;
    QByteArray code;
    QString flag;
};

// The current selection of one language menu; the command id is what is stored.
struct LanguageChoice {
    int commandId = 0;
    QByteArray code;
    QString flag;
};

// The fixed entries of one language menu, in menu order.
class LanguageTable {
public:
    LanguageTable() = default;
    explicit LanguageTable(QList<LanguageEntry> entries);

    const QList<LanguageEntry>& entries() const { return m_entries; }
    // The entry with that command id, or null.
    const LanguageEntry* byCommand(int commandId) const;
    // The first entry with that service code, or null (flags are looked up this way).
    const LanguageEntry* byCode(QByteArrayView code) const;

private:
    QList<LanguageEntry> m_entries;
};

// The two languages of a Yahoo or SysTran pair code, "source_target"; empty for a code without
// the underscore.
QByteArrayView pairSourceCode(QByteArrayView pair);
QByteArrayView pairTargetCode(QByteArrayView pair);

} // namespace verbalink
