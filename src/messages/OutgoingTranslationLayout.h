#pragma once

#include <QString>

namespace verbalink {

// How a translated outgoing message reads: the typed text with the translation in parentheses
// on the next line (optionally with a transliteration line and a flag emoticon), or the
// translation alone.
struct OutgoingTranslationLayout {
    bool hideOriginal = false;
    bool showFlag = false;
    bool showTransliteration = false;

    // `transliteration` and `flag` may be empty; an empty one adds nothing.
    QString body(const QString& typed, const QString& translation, const QString& transliteration,
                 const QString& flag) const;
};

} // namespace verbalink
