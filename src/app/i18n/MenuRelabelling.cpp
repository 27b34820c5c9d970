#include "app/i18n/MenuRelabelling.h"

#include "app/i18n/InterfaceStrings.h"
#include "app/menu/MenuModel.h"
#include "platform/CommandId.h"

namespace verbalink {

namespace {

using enum InterfaceSlot;

struct PlaceSlot {
    MenuPath path;
    InterfaceSlot slot;
};

struct IdSlot {
    int commandId;
    InterfaceSlot slot;
};

// Positions of the tray's main submenu, and items of its submenus, with their slots. Position
// 0 is handled apart: it follows the translation switch.
const PlaceSlot Places[] = {
    {{1}, HideOriginals},
    {{2}, EncryptMessage},
    {{3}, SetTranslator},
    {{4}, SpellCheck},
    {{5}, TextToSpeech},
    {{6}, TranslateIncoming},
    {{8}, GoogleSettings},
    {{9}, BabylonSettings},
    {{10}, YahooSettings},
    {{11}, BingSettings},
    {{12}, SysTranSettings},
    {{13}, PromtSettings},
    {{15}, Preferences},
    {{16}, TranslationFilter},
    {{18}, Greetings},
    {{19}, FunArt},
    {{20}, TalkRobot},
    {{21}, VoiceRecorder},
    {{22}, VoiceChanger},
    {{23}, Broadcast},
    {{26}, CheckForUpdates},
    {{27}, Homepage},
    {{28}, About},
    {{29}, Exit},
    {{8, 0}, FromLanguage},
    {{8, 1}, ToLanguage},
    {{9, 0}, FromLanguage},
    {{9, 1}, ToLanguage},
    {{11, 0}, FromLanguage},
    {{11, 1}, ToLanguage},
    {{13, 0}, FromLanguage},
    {{13, 1}, ToLanguage},
    {{15, 0}, InterfaceLanguage},
    {{15, 2}, SetSpeechRate},
    {{22, 4}, Music},
};

const IdSlot Ids[] = {
    {CommandId::HotKeysDisabled, Disabled},
    {CommandId::DictionaryDisabled, Disabled},
    {CommandId::SpeechDisabled, Disabled},
    {CommandId::AvatarsDisabled, Disabled},
    {CommandId::VoiceDisabled, Disabled},
    {CommandId::EffectDisabled, Disabled},
    {CommandId::IncomingDisabled, Disabled},
    {CommandId::GoogleSourceAutoDetect, AutoDetect},
    {CommandId::BingSourceAutoDetect, AutoDetect},
    {CommandId::PromtSourceAutoDetect, AutoDetect},
    {CommandId::RunAtLogin, RunAtLogin},
    {CommandId::ConnectionSettings, ConnectionSettings},
    {CommandId::RobotSettings, RobotSettings},
    {CommandId::SpeechRateSlowest, SpeechRateSlowest},
    {CommandId::SpeechRateSlower, SpeechRateSlower},
    {CommandId::SpeechRateSlow, SpeechRateSlow},
    {CommandId::SpeechRateNormal, SpeechRateNormal},
    {CommandId::SpeechRateFast, SpeechRateFast},
    {CommandId::SpeechRateFaster, SpeechRateFaster},
    {CommandId::SpeechRateFastest, SpeechRateFastest},
    {CommandId::HearVoice, HearVoice},
    {CommandId::HearMusic, HearMusic},
    {CommandId::BrowseMusic, BrowseMusic},
    {CommandId::StopMusic, StopMusic},
    {CommandId::Volume100, Volume100},
    {CommandId::Volume75, Volume75},
    {CommandId::Volume50, Volume50},
    {CommandId::Volume25, Volume25},
    {CommandId::Volume10, Volume10},
    {CommandId::HotKeysHelp, Help},
    {CommandId::EnableEncryption, Enable},
    {CommandId::DictionaryHelp, Help},
    {CommandId::SpeechHelp, Help},
};

} // namespace

void relabelMenu(MenuModel& menu, const InterfaceStrings& strings, bool translationOn)
{
    if (translationOn && strings.has(DisableTranslation))
        menu.setTextAt({0}, strings.text(DisableTranslation));
    for (const PlaceSlot& place : Places) {
        if (strings.has(place.slot))
            menu.setTextAt(place.path, strings.text(place.slot));
    }
    for (const IdSlot& id : Ids) {
        if (strings.has(id.slot))
            menu.setText(id.commandId, strings.text(id.slot));
    }
}

} // namespace verbalink
