#include "app/i18n/InterfaceStrings.h"

#include <QTranslator>
#include <iterator>

namespace verbalink {

namespace {

// The context every table's messages live in.
constexpr char Context[] = "InterfaceStrings";

constexpr const char* EnglishTexts[] = {
#define VERBALINK_INTERFACE_SLOT_TEXT(name, text) text,
    VERBALINK_INTERFACE_SLOTS(VERBALINK_INTERFACE_SLOT_TEXT)
#undef VERBALINK_INTERFACE_SLOT_TEXT
};
static_assert(std::size(EnglishTexts) == InterfaceStrings::EnglishSlotCount);

} // namespace

InterfaceStrings InterfaceStrings::english()
{
    QStringList texts;
    for (const char* text : EnglishTexts)
        texts.append(QString::fromUtf8(text));
    return InterfaceStrings(texts);
}

std::optional<InterfaceStrings> InterfaceStrings::fromTranslation(const QString& qmPath)
{
    QTranslator translator;
    if (!translator.load(qmPath))
        return std::nullopt;
    QStringList texts;
    for (const char* source : EnglishTexts) {
        // An unfinished message is compiled as absent, and so is the slot.
        const QString text = translator.translate(Context, source);
        if (text.isEmpty())
            break;
        texts.append(text);
    }
    return InterfaceStrings(texts);
}

QString InterfaceStrings::englishText(InterfaceSlot slot)
{
    const int index = int(slot);
    if (index < 0 || index >= EnglishSlotCount)
        return {};
    return QString::fromUtf8(EnglishTexts[index]);
}

QString InterfaceStrings::textOrEnglish(InterfaceSlot slot) const
{
    return has(slot) ? text(slot) : englishText(slot);
}

} // namespace verbalink
