// The voice changer's menus on the real tray menu, over the real call audio machinery.

#include "audio/VoiceChangerMenu.h"

#include "FakeClock.h"
#include "app/SettingAccess.h"
#include "app/StoredSettings.h"
#include "app/menu/MenuModel.h"
#include "app/menu/MenuResource.h"
#include "audio/CallAudio.h"
#include "platform/CommandId.h"
#include "platform/MemoryRegistryStore.h"
#include "skype/CallState.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <mutex>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace verbalink {
namespace {

using namespace Qt::StringLiterals;
using namespace voicechoices;

class VoiceChangerMenuTest : public ::testing::Test {
protected:
    VoiceChangerMenuTest() { audio.start(documents.path()); }

    QString stored(const QString& name)
    {
        return registry
            .readValue(RegistryRoot::CurrentUser, QString::fromUtf16(SettingsKeyPath), name)
            .value_or(u"(none)"_s);
    }
    bool checked(int id) const { return menu.find(id)->isChecked(); }
    QString label(int id) const { return menu.find(id)->text(); }
    QStringList sent()
    {
        std::lock_guard lock(mutex);
        return std::exchange(commands, {});
    }
    VoiceChangerControls& controls() { return audio.voiceControls(); }

    QTemporaryDir documents;
    test::FakeClock clock;
    CallState call;
    std::mutex mutex;
    QStringList commands;
    CallAudio audio{{call,
                     clock,
                     [this](const QByteArray& command) {
                         std::lock_guard lock(mutex);
                         commands << QString::fromUtf8(command);
                     },
                     {}},
                    {0, 0}};
    MemoryRegistryStore registry;
    StoredSettings settings{registry};
    MenuModel menu{MenuResource::readTrayMenu().root};
    QList<int> chosen;
    QStringList dialogFolders;
    std::optional<QString> dialogAnswer;
    VoiceChangerMenu voiceMenu{{menu, settings, audio,
                                [](InterfaceSlot slot) {
                                    return slot == InterfaceSlot::BrowseMusicWithFile
                                               ? u"Browse Audio File ("_s
                                               : u"Browse Audio File"_s;
                                },
                                [this](const QString& folder) {
                                    dialogFolders << folder;
                                    return dialogAnswer;
                                },
                                [this](int id) {
                                    chosen << id;
                                }}};
};

TEST_F(VoiceChangerMenuTest, ChoicesAreCheckedStoredAndApplied)
{
    Settings settings;
    settings.voiceChanger = 4711; // no such entry: "Disabled"
    settings.soundChanger = CommandId::EffectEchoMultiple;
    settings.musicVolume = 1; // no such entry: "Volume 25%"
    voiceMenu.restore(settings);
    EXPECT_TRUE(checked(CommandId::VoiceDisabled));
    EXPECT_EQ(stored(u"VoiceChanger"_s), u"33186");
    EXPECT_EQ(controls().effect(), EchoMultiple);
    EXPECT_TRUE(checked(CommandId::Volume25));
    EXPECT_EQ(controls().volumeShift(), 4);

    struct Case {
        int command;
        const char* setting;
        std::function<int()> value;
        int expected;
    };
    const Case cases[] = {
        {CommandId::VoicePitchFemale, "VoiceChanger", [&] { return int(controls().preset()); },
         PitchFemale},
        {CommandId::VoiceAtari, "VoiceChanger", [&] { return int(controls().preset()); }, Atari},
        {CommandId::EffectChorus, "SoundChanger", [&] { return int(controls().effect()); }, Chorus},
        {CommandId::Volume100, "MusicVolume", [&] { return controls().volumeShift(); }, 1},
        {CommandId::Volume10, "MusicVolume", [&] { return controls().volumeShift(); }, 5},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(voiceMenu.handleCommand(c.command));
        EXPECT_TRUE(checked(c.command)) << c.command;
        EXPECT_EQ(stored(QString::fromLatin1(c.setting)), QString::number(c.command));
        EXPECT_EQ(c.value(), c.expected) << c.command;
    }
    EXPECT_FALSE(checked(CommandId::VoicePitchFemale)); // one voice at a time
    EXPECT_EQ(chosen, (QList<int>{CommandId::VoiceDisabled, CommandId::EffectEchoMultiple,
                                  CommandId::VoicePitchFemale, CommandId::VoiceAtari,
                                  CommandId::EffectChorus}));
    EXPECT_FALSE(voiceMenu.handleCommand(CommandId::VoiceRecorder));

    // The hear switches flip, with their check marks and stored values.
    for (const int id : {CommandId::HearVoice, CommandId::HearMusic}) {
        voiceMenu.handleCommand(id);
        EXPECT_TRUE(checked(id));
        voiceMenu.handleCommand(id);
        EXPECT_FALSE(checked(id));
    }
    EXPECT_EQ(stored(u"VoicePlayback"_s), u"0");
    EXPECT_EQ(stored(u"MusicPlayback"_s), u"0");
    EXPECT_FALSE(controls().hearVoice() || controls().hearMusic());
}

TEST_F(VoiceChangerMenuTest, BrowsePlayAndStop)
{
    Settings settings;
    settings.musicPlayOn = 0;
    voiceMenu.restore(settings);
    EXPECT_EQ(label(CommandId::BrowseMusic), u"Browse Audio File");
    EXPECT_TRUE(checked(CommandId::StopMusic));

    // Play without a file browses; cancelling still turns music on.
    voiceMenu.handleCommand(CommandId::PlayMusic);
    EXPECT_EQ(dialogFolders, QStringList{QString()});
    EXPECT_TRUE(controls().musicOn());
    EXPECT_TRUE(checked(CommandId::PlayMusic));
    EXPECT_EQ(stored(u"MusicPlayOn"_s), u"1");
    EXPECT_FALSE(controls().changesVoice()); // music without a file plays nothing

    dialogAnswer = u"/music/old/song.mp3"_s;
    controls().takeMusicRestart();
    voiceMenu.handleCommand(CommandId::BrowseMusic);
    EXPECT_EQ(label(CommandId::BrowseMusic), u"Browse Audio File (song.mp3)");
    EXPECT_EQ(stored(u"MusicPlay"_s), u"/music/old/song.mp3");
    EXPECT_TRUE(controls().takeMusicRestart());
    EXPECT_TRUE(controls().changesVoice());

    voiceMenu.handleCommand(CommandId::StopMusic);
    EXPECT_FALSE(controls().musicOn());
    EXPECT_TRUE(checked(CommandId::StopMusic));
    EXPECT_EQ(stored(u"MusicPlayOn"_s), u"0");
    // Play with a file plays it, without the dialog; the dialog opens where the file is.
    voiceMenu.handleCommand(CommandId::PlayMusic);
    EXPECT_TRUE(controls().musicOn());
    dialogAnswer.reset();
    voiceMenu.handleCommand(CommandId::BrowseMusic);
    EXPECT_EQ(dialogFolders.last(), u"/music/old");
    EXPECT_EQ(controls().musicFile(), u"/music/old/song.mp3");
}

TEST_F(VoiceChangerMenuTest, AVoiceOrEffectChosenDuringACallRoutesItsInputAgain)
{
    voiceMenu.handleCommand(CommandId::VoicePitchMale);
    voiceMenu.handleCommand(CommandId::EffectEcho);
    EXPECT_TRUE(sent().isEmpty()); // no call
    call.begin(u"1234"_s, {});
    const QString input =
        u"ALTER CALL 1234 SET_INPUT PORT=\"%1\""_s.arg(audio.inputServer().port());
    const QString capture =
        u"ALTER CALL 1234 SET_CAPTURE_MIC PORT=\"%1\""_s.arg(audio.captureServer().port());
    for (const int id :
         {CommandId::VoiceRobotic, CommandId::VoiceDisabled, CommandId::EffectDisabled}) {
        voiceMenu.handleCommand(id);
        EXPECT_EQ(sent(), (QStringList{input, capture})) << id;
    }
    voiceMenu.handleCommand(CommandId::Volume75);
    EXPECT_TRUE(sent().isEmpty());

    // Music switched on in a call is routed too, once there is a file to play.
    voiceMenu.handleCommand(CommandId::StopMusic);
    voiceMenu.handleCommand(CommandId::PlayMusic); // no file: browse, cancelled
    EXPECT_TRUE(sent().isEmpty());
    dialogAnswer = u"/music/song.ogg"_s;
    voiceMenu.handleCommand(CommandId::BrowseMusic);
    EXPECT_EQ(sent(), (QStringList{input, capture}));
}

} // namespace
} // namespace verbalink
