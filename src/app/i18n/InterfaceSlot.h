#pragma once

namespace verbalink {

// The slots of the interface string table in slot order, each with its English text, which is
// also its source text in the translations ("&&" shows one "&" in a menu label). Slot numbers
// follow from the order: a table shorter than this list lacks the last slots.
#define VERBALINK_INTERFACE_SLOTS(X)                                                               \
    X(DisableTranslation, "Disable Translation")                      /* 0 */                      \
    X(EnableTranslation, "Enable Translation")                        /* 1 */                      \
    X(HideOriginals, "Hide Original Messages")                        /* 2 */                      \
    X(SetTranslator, "Set Translator")                                /* 3 */                      \
    X(SpellCheck, "Spell Check")                                      /* 4 */                      \
    X(TextToSpeech, "Text to Speech")                                 /* 5 */                      \
    X(GoogleSettings, "Google Settings")                              /* 6 */                      \
    X(BabylonSettings, "Babylon Settings")                            /* 7 */                      \
    X(YahooSettings, "Yahoo Settings")                                /* 8 */                      \
    X(BingSettings, "Bing Settings")                                  /* 9 */                      \
    X(SysTranSettings, "SysTran Settings")                            /* 10 */                     \
    X(PromtSettings, "Promt Settings")                                /* 11 */                     \
    X(Preferences, "Preferences")                                     /* 12 */                     \
    X(Greetings, "Greetings")                                         /* 13 */                     \
    X(FunArt, "Fun&&Art Message")                                     /* 14 */                     \
    X(TalkRobot, "A.I. Talk Robot")                                   /* 15 */                     \
    X(VoiceRecorder, "Voice Call Recorder")                           /* 16 */                     \
    X(VoiceChanger, "Voice Changer")                                  /* 17 */                     \
    X(CheckForUpdates, "Check for Updates")                           /* 18 */                     \
    X(Homepage, "Homepage")                                           /* 19 */                     \
    X(About, "About ...")                                             /* 20 */                     \
    X(Exit, "Exit")                                                   /* 21 */                     \
    X(Disabled, "Disabled")                                           /* 22 */                     \
    X(AutoDetect, " Auto Detect")                                     /* 23 */                     \
    X(RunAtLogin, "Run with Windows")                                 /* 24 */                     \
    X(ConnectionSettings, "Connection Settings")                      /* 25 */                     \
    X(RobotSettings, "A.I. Settings")                                 /* 26 */                     \
    X(SpeechRateSlowest, "Slowest")                                   /* 27 */                     \
    X(SpeechRateSlower, "Slower")                                     /* 28 */                     \
    X(SpeechRateSlow, "Slow")                                         /* 29 */                     \
    X(SpeechRateNormal, "Normal")                                     /* 30 */                     \
    X(SpeechRateFast, "Fast")                                         /* 31 */                     \
    X(SpeechRateFaster, "Faster")                                     /* 32 */                     \
    X(SpeechRateFastest, "Fastest")                                   /* 33 */                     \
    X(HearVoice, "Hear Voice")                                        /* 34 */                     \
    X(BrowseMusic, "Browse Audio File")                               /* 35 */                     \
    X(StopMusic, "Stop Music")                                        /* 36 */                     \
    X(Volume100, "Volume 100%")                                       /* 37 */                     \
    X(Volume75, "Volume 75%")                                         /* 38 */                     \
    X(Volume50, "Volume 50%")                                         /* 39 */                     \
    X(Volume25, "Volume 25%")                                         /* 40 */                     \
    X(Volume10, "Volume 10%")                                         /* 41 */                     \
    X(FromLanguage, "From Language")                                  /* 42 */                     \
    X(ToLanguage, "To Language")                                      /* 43 */                     \
    X(SetSpeechRate, "Set Speech Rate")                               /* 44 */                     \
    X(Music, "Music")                                                 /* 45 */                     \
    X(Help, "Help")                                                   /* 46 */                     \
    X(BrowseMusicWithFile, "Browse Audio File (")                     /* 47 */                     \
    X(InterfaceLanguage, "Interface Language")                        /* 48 */                     \
    X(SelectUserFirst, "Please, first select an user from the list!") /* 49 */                     \
    X(DeleteRecordsQuestion,                                                                       \
      "This operation will delete all your voice call records!\nAre you sure?") /* 50 */           \
    X(LatestVersion, "You are using the latest version!")                       /* 51 */           \
    X(NewVersion, "A new version is available - %s\nGo to download page now?")  /* 52 */           \
    X(NoUpdateConnection,                                                                          \
      "Cannot check for updates! \n Check if internet connection is available.") /* 53 */          \
    X(EncryptMessage, "Encrypt Message")                                         /* 54 */          \
    X(Enable, "Enable")                                                          /* 55 */          \
    X(Disable, "Disable")                                                        /* 56 */          \
    X(TranslateIncoming, "Translate Incoming Messages")                          /* 57 */          \
    X(TranslationFilter, "User translation filter")                              /* 58 */          \
    X(Broadcast, "Broadcast mass message")                                       /* 59 */          \
    X(HearMusic, "Hear Music")                                                   /* 60 */

// A slot of the interface string table. Scoped: every text is asked for by its name.
enum class InterfaceSlot : int {
#define VERBALINK_INTERFACE_SLOT_ENUMERATOR(name, text) name,
    VERBALINK_INTERFACE_SLOTS(VERBALINK_INTERFACE_SLOT_ENUMERATOR)
#undef VERBALINK_INTERFACE_SLOT_ENUMERATOR
};

} // namespace verbalink
