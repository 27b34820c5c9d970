#include "app/i18n/InterfaceLanguageTable.h"

#include <algorithm>

namespace verbalink {

namespace {

// German has its own id in our menu; 33226, which it shares with Bing's Catalan, stays its
// stored value (the menu entry's "stored").
constexpr InterfaceLanguageEntry Languages[] = {
    {33223, "en", "en"},           {33224, "bg", "bg"},           {33225, "ru", "ru"},
    {33387, "de", "de"},           {33227, "it", "it"},           {33228, "es", "es"},
    {33229, "fr", "fr"},           {33235, "pt", "pt"},           {33243, "iw", "iw"},
    {33244, "ar", "ar"},           {33245, "ur", "ur"},           {33246, "hi", "hi"},
    {33247, "uk", "uk"},           {33248, "ro", "ro"},           {33249, "cs", "cs"},
    {33250, "pl", "pl"},           {33251, "sr", "sr"},           {33255, "hu", "hu"},
    {33319, "da", "da"},           {33320, "tr", "tr"},           {33329, "sv", "sv"},
    {33330, "nl", "nl"},           {33331, "sk", "sk"},           {33332, "ja", "ja"},
    {33333, "tl", "tl"},           {33334, "ta", "ta"},           {33335, "vi", "vi"},
    {33341, "no", "no"},           {33342, "th", "th"},           {33347, "el", "el"},
    {33348, "ko", "ko"},           {33349, "lt", "lt"},           {33355, "lv", "lv"},
    {33356, "zh-Hans", "zh_Hans"}, {33357, "zh-Hant", "zh_Hant"}, {33358, "az", "az"},
    {33367, "sq", "sq"},           {33368, "fi", "fi"},           {33372, "hy", "hy"},
    {33374, "sl", "sl"},           {33375, "ps", "ps"},           {33377, "ka", "ka"},
};

} // namespace

std::span<const InterfaceLanguageEntry> interfaceLanguages()
{
    return Languages;
}

const InterfaceLanguageEntry* interfaceLanguageById(int commandId)
{
    const auto* found =
        std::find_if(std::begin(Languages), std::end(Languages),
                     [&](const auto& entry) { return entry.commandId == commandId; });
    return found == std::end(Languages) ? nullptr : found;
}

const InterfaceLanguageEntry* interfaceLanguageByClientCode(QByteArrayView code)
{
    const auto* found =
        std::find_if(std::begin(Languages), std::end(Languages),
                     [&](const auto& entry) { return code == QByteArrayView(entry.clientCode); });
    return found == std::end(Languages) ? nullptr : found;
}

} // namespace verbalink
