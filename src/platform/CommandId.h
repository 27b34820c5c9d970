#pragma once

#include <span>

namespace verbalink {

// The command ids the code names, each with the English text of its tray menu entry
// (res/menu/tray-menu.json); an empty text marks an entry the program adds at run time. The ids
// are stored values (menu choices are saved as the chosen entry's id), so they never change: the
// menu resource is checked against this list by a test, not the other way round. The language
// entries of the language menus are data of their tables, not listed here.
#define VERBALINK_COMMAND_IDS(X)                                                                   \
    X(About, 104, "&About ...")                                                                    \
    X(Exit, 105, "E&xit")                                                                          \
    X(ToggleTranslation, 32857, "Disable Translation")                                             \
    X(HideOriginals, 32858, "Hide Original Messages")                                              \
    X(EnableEncryption, 33232, "Enable")                                                           \
    X(ViewDecrypted, 33233, "View Messages")                                                       \
    X(DecryptedAutoPopup, 33234, "Auto Popup")                                                     \
    X(TranslatorGoogle, 32900, "Google")                                                           \
    X(TranslatorYahoo, 32901, "Yahoo")                                                             \
    X(TranslatorBing, 32902, "Bing")                                                               \
    X(TranslatorBabylon, 32936, "Babylon")                                                         \
    X(TranslatorSysTran, 33109, "SysTran")                                                         \
    X(TranslatorPromt, 33203, "Promt")                                                             \
    X(DictionaryDisabled, 32997, "Disabled")                                                       \
    X(DictionaryHelp, 5100, "")                                                                    \
    X(AddDictionaries, 5102, "")                                                                   \
    X(SpeechDisabled, 33053, "Disabled")                                                           \
    X(SpeechHelp, 5600, "")                                                                        \
    X(GoogleSourceAutoDetect, 32785, "Auto Detect")                                                \
    X(GoogleTargetEnglish, 32825, "English")                                                       \
    X(YahooEnglishToGerman, 32869, "English to German")                                            \
    X(BingSourceAutoDetect, 33001, "Auto-Detect")                                                  \
    X(BingTargetGerman, 33022, "German")                                                           \
    X(BabylonSourceEnglish, 32940, "English")                                                      \
    X(BabylonTargetGerman, 32971, "German")                                                        \
    X(SysTranEnglishToGerman, 33121, "English to German")                                          \
    X(PromtSourceAutoDetect, 33207, "Auto-Detect")                                                 \
    X(PromtSourceEnglish, 33208, "English")                                                        \
    X(PromtTargetGerman, 33218, "German")                                                          \
    X(IncomingDisabled, 33254, "Disabled")                                                         \
    X(TranslateInChat, 33354, "Translate in chat dialog")                                          \
    X(ShowTransliteration, 33328, "Show Transliteration")                                          \
    X(InterfaceAutoDetect, 33318, "Auto Detect")                                                   \
    X(InterfaceEnglish, 33223, "English")                                                          \
    X(AddInterfaceLanguage, 33230, "Add New Language")                                             \
    X(HotKeysDisabled, 33360, "Disabled")                                                          \
    X(HotKeysCtrl, 33361, "CTRL+key")                                                              \
    X(HotKeysAlt, 33362, "ALT+key")                                                                \
    X(HotKeysCtrlAlt, 33363, "CTRL+ALT+key")                                                       \
    X(HotKeysCtrlShift, 33364, "CTRL+SHIFT+key")                                                   \
    X(HotKeysAltShift, 33365, "ALT+SHIFT+key")                                                     \
    X(HotKeysHelp, 33366, "Help")                                                                  \
    X(SpeechRateSlowest, 33055, "Slowest")                                                         \
    X(SpeechRateSlower, 33062, "Slower")                                                           \
    X(SpeechRateSlow, 33056, "Slow")                                                               \
    X(SpeechRateNormal, 33057, "Normal")                                                           \
    X(SpeechRateFast, 33058, "Fast")                                                               \
    X(SpeechRateFaster, 33063, "Faster")                                                           \
    X(SpeechRateFastest, 33061, "Fastest")                                                         \
    X(ShowFlags, 33340, "Show translation flags")                                                  \
    X(RunAtLogin, 32935, "Run with Windows")                                                       \
    X(ConnectionSettings, 33165, "Connection Settings")                                            \
    X(RobotSettings, 33183, "A.I. Settings")                                                       \
    X(TranslationFilter, 33371, "User translation filter")                                         \
    X(Greetings, 33179, "Greetings")                                                               \
    X(FunArt, 33166, "Fun&&Art Message")                                                           \
    X(RobotUsers, 33181, "A.I. Talk Robot")                                                        \
    X(VoiceRecorder, 33184, "Voice Call Recorder")                                                 \
    X(VoiceDisabled, 33186, "Disabled")                                                            \
    X(VoiceRobotic, 33190, "Robotic Voice")                                                        \
    X(VoicePitchMale, 33191, "Pitch (male)")                                                       \
    X(VoicePitchFemale, 33192, "Pitch (female)")                                                   \
    X(VoicePitchHelium, 33194, "Pitch (helium)")                                                   \
    X(VoicePitchBaby, 33252, "Pitch (baby)")                                                       \
    X(VoiceAlien, 33327, "Alien (useless)")                                                        \
    X(VoiceMutation, 33344, "Mutation")                                                            \
    X(VoiceMutationSlow, 33345, "Mutation (slow)")                                                 \
    X(VoiceMutationFast, 33346, "Mutation (fast)")                                                 \
    X(VoiceAtari, 33370, "Atari Game")                                                             \
    X(EffectDisabled, 33353, "Disabled")                                                           \
    X(EffectEcho, 33187, "Echo")                                                                   \
    X(EffectEchoMultiple, 33188, "Echo (Multiple)")                                                \
    X(EffectChorus, 33189, "Chorus")                                                               \
    X(HearVoice, 33193, "Hear Voice/Music")                                                        \
    X(HearMusic, 33376, "Hear Music")                                                              \
    X(BrowseMusic, 33196, "Browse Audio  File")                                                    \
    X(PlayMusic, 33369, "Play")                                                                    \
    X(StopMusic, 33197, "Stop")                                                                    \
    X(Volume100, 33198, "Volume 100%")                                                             \
    X(Volume75, 33199, "Volume 75%")                                                               \
    X(Volume50, 33200, "Volume 50%")                                                               \
    X(Volume25, 33201, "Volume 25%")                                                               \
    X(Volume10, 33202, "Volume 10%")                                                               \
    X(Broadcast, 33373, "Broadcast")                                                               \
    X(AvatarsDisabled, 33380, "Disabled")                                                          \
    X(AvatarsBig, 33381, "Big image")                                                              \
    X(AvatarsNormal, 33383, "Normal image")                                                        \
    X(AvatarsSmall, 33382, "Small image")                                                          \
    X(CheckForUpdates, 32932, "Check for Updates")                                                 \
    X(Homepage, 32933, "Homepage")

// Unscoped in a namespace of its own: `CommandId::About` reads as a scoped name, yet converts to
// the int that the menu, the command table and the stored settings carry, since most ids there
// come from data (language tables, voices found at run time).
namespace commandid {
enum CommandId : int {
#define VERBALINK_COMMAND_ENUMERATOR(name, id, text) name = id,
    VERBALINK_COMMAND_IDS(VERBALINK_COMMAND_ENUMERATOR)
#undef VERBALINK_COMMAND_ENUMERATOR
};
} // namespace commandid
using commandid::CommandId;

// One named id with its English menu text, for checks against the menu resource.
struct CommandIdEntry {
    CommandId id;
    const char* name;
    const char* menuText;
};

std::span<const CommandIdEntry> commandIdEntries();

} // namespace verbalink
