#include "messages/OutgoingTranslationLayout.h"

namespace verbalink {

QString OutgoingTranslationLayout::body(const QString& typed, const QString& translation,
                                        const QString& transliteration, const QString& flag) const
{
    if (hideOriginal)
        return translation;
    QString text = typed;
    if (showTransliteration && !transliteration.isEmpty())
        text += u"\r\n( Translit: " % transliteration % u" )";
    text += u"\r\n( ";
    // "(flag:de)" is shown by the chat client as that country's flag.
    if (showFlag && !flag.isEmpty())
        text += u"(flag:" % flag % u")  ";
    text += translation % u" )";
    return text;
}

} // namespace verbalink
