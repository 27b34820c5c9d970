#pragma once

#include "app/i18n/InterfaceSlot.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace verbalink {

// The interface string table of one language: the texts of slots 0, 1, ... in slot order. A
// table may be shorter than the English one; a missing slot leaves its label as it was.
class InterfaceStrings {
public:
    static constexpr int EnglishSlotCount = 61;

    // The English table, the default.
    static InterfaceStrings english();
    // The table of a compiled translation (".qm"); the first slot without a translation ends the
    // table there. Null when the file cannot be read.
    static std::optional<InterfaceStrings> fromTranslation(const QString& qmPath);
    // The English text of a slot, which is also its source text in the translations.
    static QString englishText(InterfaceSlot slot);

    qsizetype size() const { return m_texts.size(); }
    bool has(InterfaceSlot slot) const { return int(slot) >= 0 && int(slot) < m_texts.size(); }
    // The slot's text; callers check has() first.
    const QString& text(InterfaceSlot slot) const { return m_texts.at(int(slot)); }
    // The slot's text, or its English text where this table lacks the slot.
    QString textOrEnglish(InterfaceSlot slot) const;

private:
    explicit InterfaceStrings(QStringList texts) : m_texts(std::move(texts)) {}

    QStringList m_texts;
};

} // namespace verbalink
