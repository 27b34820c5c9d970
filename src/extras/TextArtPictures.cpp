#include "extras/TextArtPictures.h"

namespace verbalink {

TextArtPictures TextArtPictures::builtIn()
{
    return TextArtPictures(readBuiltInGroups(QStringLiteral(":/textart/text-art.json"),
                                             QStringLiteral("effects"), QStringLiteral("lines"),
                                             false));
}

std::optional<QString> TextArtPictures::picture(const QString& effectName) const
{
    const CannedGroup* effect = findGroup(m_effects, effectName);
    return effect ? std::optional(effect->texts.first()) : std::nullopt;
}

} // namespace verbalink
