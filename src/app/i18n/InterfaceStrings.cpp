#include "app/i18n/InterfaceStrings.h"

#include <QTranslator>

namespace verbalink {

namespace {

// The context every table's messages live in.
constexpr char Context[] = "InterfaceStrings";

// "&&" shows one "&" in a menu label.
constexpr const char* EnglishTexts[InterfaceStrings::EnglishSlotCount] = {
    "Disable Translation",
    "Enable Translation",
    "Hide Original Messages",
    "Set Translator",
    "Spell Check",
    "Text to Speech",
    "Google Settings",
    "Babylon Settings",
    "Yahoo Settings",
    "Bing Settings",
    "SysTran Settings",
    "Promt Settings",
    "Preferences",
    "Greetings",
    "Fun&&Art Message",
    "A.I. Talk Robot",
    "Voice Call Recorder",
    "Voice Changer",
    "Check for Updates",
    "Homepage",
    "About ...",
    "Exit",
    "Disabled",
    " Auto Detect",
    "Run with Windows",
    "Connection Settings",
    "A.I. Settings",
    "Slowest",
    "Slower",
    "Slow",
    "Normal",
    "Fast",
    "Faster",
    "Fastest",
    "Hear Voice",
    "Browse Audio File",
    "Stop Music",
    "Volume 100%",
    "Volume 75%",
    "Volume 50%",
    "Volume 25%",
    "Volume 10%",
    "From Language",
    "To Language",
    "Set Speech Rate",
    "Music",
    "Help",
    "Browse Audio File (",
    "Interface Language",
    "Please, first select an user from the list!",
    "This operation will delete all your voice call records!\nAre you sure?",
    "You are using the latest version!",
    "A new version is available - %s\nGo to download page now?",
    "Cannot check for updates! \n Check if internet connection is available.",
    "Encrypt Message",
    "Enable",
    "Disable",
    "Translate Incoming Messages",
    "User translation filter",
    "Broadcast mass message",
    "Hear Music",
};

} // namespace

InterfaceStrings InterfaceStrings::english()
{
    QStringList texts;
    for (int slot = 0; slot < EnglishSlotCount; ++slot)
        texts.append(englishText(slot));
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

QString InterfaceStrings::englishText(int slot)
{
    if (slot < 0 || slot >= EnglishSlotCount)
        return {};
    return QString::fromUtf8(EnglishTexts[slot]);
}

} // namespace verbalink
