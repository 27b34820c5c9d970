#pragma once

#include "extras/CannedText.h"
#include "skype/TextArtTable.h"

namespace verbalink {

// The Fun&Art pictures built into the program, in menu order, found by exact effect name.
class TextArtPictures final : public TextArtTable {
public:
    // The program's own table (":/textart/text-art.json"); empty when it cannot be read.
    static TextArtPictures builtIn();
    explicit TextArtPictures(QList<CannedGroup> effects) : m_effects(std::move(effects)) {}

    QStringList names() const { return groupNames(m_effects); }
    std::optional<QString> picture(const QString& effectName) const override;

private:
    QList<CannedGroup> m_effects;
};

} // namespace verbalink
