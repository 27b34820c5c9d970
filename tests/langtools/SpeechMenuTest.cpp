// The speech menu and state over a fake engine, on the real tray menu.

#include "langtools/SpeechMenu.h"

#include "FakeMessageBox.h"
#include "app/Settings.h"
#include "app/menu/MenuModel.h"
#include "app/menu/MenuResource.h"
#include "langtools/SpeechRates.h"
#include "platform/MemoryRegistryStore.h"
#include "platform/SpeechPort.h"

#include <gtest/gtest.h>
#include <memory>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace verbalink::test {
namespace {

// Records every call as a line: "setVoice …", "setRate …", "speak …".
struct FakeSpeechPort final : SpeechPort {
    bool available() const override { return isAvailable; }
    QStringList voices() const override { return voiceList; }
    bool setVoice(const QString& description) override
    {
        calls.append(u"setVoice " + description);
        return voiceList.contains(description);
    }
    void setRate(int rate) override { calls.append(QStringLiteral("setRate %1").arg(rate)); }
    bool speak(const QString& text) override
    {
        calls.append(u"speak " + text);
        return speakAccepted;
    }

    QStringList voiceList;
    bool isAvailable = true;
    bool speakAccepted = true;
    QStringList calls;
};

// 130 voices, more than the first id range holds; one with a trailing space and two alike.
QStringList manyVoices()
{
    QStringList voices;
    for (int i = 0; i < 130; ++i)
        voices.append(QStringLiteral("Voice %1").arg(i));
    voices[3] = QStringLiteral("Cherokee ");
    voices[120] = QStringLiteral("Twin");
    voices[121] = QStringLiteral("Twin");
    return voices;
}

class SpeechMenuTest : public ::testing::Test {
protected:
    SpeechMenuTest() { port.voiceList = manyVoices(); }

    // The menu as start-up builds it from stored settings text.
    void start(const QString& storedVoice, const QString& storedRate)
    {
        MemoryRegistryStore store;
        const QString key = QString::fromUtf16(SettingsKeyPath);
        store.writeValue(RegistryRoot::CurrentUser, key, QStringLiteral("SpeechVoice"),
                         storedVoice);
        store.writeValue(RegistryRoot::CurrentUser, key, QStringLiteral("SpeechRate"), storedRate);
        Settings settings;
        loadSetting(store, settings, *settingFor(&Settings::speechVoice));
        loadSetting(store, settings, *settingFor(&Settings::speechRate));
        speech = std::make_unique<SpeechMenu>(
            SpeechMenu::Links{port, menu, boxes, [this](const QString& line) { log.append(line); },
                              [this](bool on) {
                                  flags.push_back(on);
                              }},
            QStringLiteral("Hilfe"), settings.speechVoice, settings.speechRate);
    }

    QList<int> checkedIds() const
    {
        QList<int> checked;
        for (int id : menu.groupIds(QStringLiteral("speech-voice"))) {
            if (menu.find(id)->isChecked())
                checked.append(id);
        }
        return checked;
    }

    FakeSpeechPort port;
    MenuModel menu{MenuResource::readTrayMenu().root};
    FakeMessageBox boxes;
    QStringList log;
    std::vector<bool> flags;
    std::unique_ptr<SpeechMenu> speech;
};

TEST_F(SpeechMenuTest, StartRestoresTheStoredVoiceByDescriptionAndTheRate)
{
    struct Case {
        const char* storedVoice;
        const char* storedRate;
        bool available;
        int checkedId;
        int rate;
        const char* calls; // the engine's calls, joined by "|"
        bool voicesListed = true;
    };
    // clang-format off
    const Case cases[] = {
        {"0",          "0",    true,  33053, 0,  "setRate 0"},
        {"Voice 125",  "7",    true,  5627,  7,  "setVoice Voice 125|setRate 7|setRate 7"},
        {"Twin",       "-4",   true,  5622,  -4, "setVoice Twin|setRate -4|setRate -4"},
        {"Cherokee ",  "0",    true,  5503,  0,  "setVoice Cherokee |setRate 0|setRate 0"},
        {"Cherokee",   "0",    true,  33053, 0,  "setRate 0"},
        {"Voice 999",  "fast", true,  33053, 0,  "setRate 0"},
        {"0",          "25",   true,  33053, 10, "setRate 10"},
        {"Voice 1",    "4",    false, 5501,  4,  ""},
        // An engine that did not start lists nothing: the stored voice is not known to be gone.
        {"Voice 1",    "4",    false, 33053, 4,  "", false},
        {"Voice 1",    "4",    true,  33053, 4,  "setRate 4", false},
    };
    // clang-format on
    for (const Case& c : cases) {
        const QString stored = QString::fromUtf8(c.storedVoice);
        SCOPED_TRACE(c.storedVoice);
        menu.removeAppended({5});
        port.calls.clear();
        port.isAvailable = c.available;
        port.voiceList = c.voicesListed ? manyVoices() : QStringList();
        log.clear();
        flags.clear();
        start(stored, QString::fromUtf8(c.storedRate));

        const bool restored = c.checkedId != SpeechMenu::DisabledCommand;
        EXPECT_EQ(checkedIds(), QList<int>{c.checkedId});
        EXPECT_EQ(speech->voiceSetting(),
                  restored || !c.voicesListed ? stored : QStringLiteral("0"));
        EXPECT_EQ(speech->rate(), c.rate);
        EXPECT_EQ(port.calls, QString::fromUtf8(c.calls).split(u'|', Qt::SkipEmptyParts));
        EXPECT_EQ(speech->enabled(), restored);
        EXPECT_EQ(flags, std::vector<bool>(restored ? 1 : 0, true));
        EXPECT_EQ(log.size(), restored && c.available ? 1 : 0);
        EXPECT_TRUE(log.isEmpty() || log[0] == u"Load new voice!");
    }
}

TEST_F(SpeechMenuTest, SubmenuHoldsEveryVoiceThenTheSeparatorAndHelp)
{
    start(QStringLiteral("0"), QStringLiteral("0"));
    QList<int> expected{SpeechMenu::DisabledCommand};
    for (int i = 0; i < 100; ++i)
        expected.append(5500 + i);
    for (int i = 0; i < 30; ++i)
        expected.append(5602 + i);
    expected.append(SpeechMenu::HelpCommand);
    EXPECT_EQ(menu.commandIds({5}), expected);

    const MenuItem* submenu = menu.itemAt({5});
    ASSERT_EQ(submenu->childCount(), 133);
    EXPECT_TRUE(submenu->child(131)->isSeparator());
    EXPECT_EQ(submenu->child(131)->commandId(), SpeechMenu::SeparatorId);
    EXPECT_EQ(menu.find(SpeechMenu::HelpCommand)->text(), QStringLiteral("Hilfe"));
    EXPECT_EQ(menu.find(5631)->text(), QStringLiteral("Voice 129"));
}

TEST_F(SpeechMenuTest, CommandsChooseVoiceDisabledRateAndHelp)
{
    start(QStringLiteral("0"), QStringLiteral("0"));
    port.calls.clear();

    // Ids around the voices belong to others.
    for (int id : {5499, 5600, 5601, 5632, SpeechMenu::DisabledCommand})
        EXPECT_FALSE(speech->selectVoiceCommand(id)) << id;
    EXPECT_TRUE(port.calls.isEmpty());

    ASSERT_TRUE(speech->selectVoiceCommand(5631));
    EXPECT_EQ(checkedIds(), QList<int>{5631});
    EXPECT_EQ(speech->voiceSetting(), QStringLiteral("Voice 129"));
    EXPECT_EQ(port.calls,
              QStringList({QStringLiteral("setVoice Voice 129"), QStringLiteral("setRate 0")}));
    ASSERT_TRUE(speech->selectVoiceCommand(5502));
    EXPECT_EQ(checkedIds(), QList<int>{5502});
    EXPECT_EQ(log, QStringList(2, QStringLiteral("Load new voice!")));

    // Every rate is applied at once, voice or not.
    for (const SpeechRateEntry& entry : speechRateEntries()) {
        port.calls.clear();
        ASSERT_TRUE(speech->chooseRate(entry.commandId));
        EXPECT_EQ(speech->rate(), entry.rate);
        EXPECT_EQ(port.calls, QStringList{QStringLiteral("setRate %1").arg(entry.rate)});
    }
    EXPECT_FALSE(speech->chooseRate(SpeechMenu::DisabledCommand));
    EXPECT_EQ(speech->rate(), 10);

    EXPECT_TRUE(speech->speak(QStringLiteral("hi")));
    speech->disable();
    EXPECT_EQ(checkedIds(), QList<int>{SpeechMenu::DisabledCommand});
    EXPECT_EQ(speech->voiceSetting(), QStringLiteral("0"));
    EXPECT_FALSE(speech->enabled());
    EXPECT_EQ(flags, std::vector<bool>({true, true, false}));

    speech->showHelp();
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes()[0].caption, QStringLiteral("Verbalink's Speech Help"));
    EXPECT_EQ(boxes.boxes()[0].text,
              QStringLiteral("With speech module you could listen to your incoming messages.\n"
                             "To activate text-to-speach just select your favourite narrator.\n"));
    EXPECT_FALSE(boxes.boxes()[0].question);
    EXPECT_EQ(boxes.boxes()[0].icon, MessageBoxPort::Icon::Information);
}

TEST_F(SpeechMenuTest, SpeakGoesToTheEngineOnlyWhileItIsThere)
{
    start(QStringLiteral("Voice 7"), QStringLiteral("0"));
    port.calls.clear();
    EXPECT_TRUE(speech->speak(QStringLiteral("hello")));
    port.speakAccepted = false;
    EXPECT_FALSE(speech->speak(QStringLiteral("full")));
    port.isAvailable = false;
    EXPECT_FALSE(speech->speak(QStringLiteral("nobody")));
    EXPECT_EQ(port.calls,
              QStringList({QStringLiteral("speak hello"), QStringLiteral("speak full")}));
}

} // namespace
} // namespace verbalink::test
