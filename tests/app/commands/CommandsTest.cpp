#include "FakeMessageBox.h"
#include "app/Settings.h"
#include "app/commands/CommandTable.h"
#include "app/commands/HotKeys.h"
#include "app/commands/OptionToggles.h"
#include "app/i18n/InterfaceStrings.h"
#include "app/menu/MenuModel.h"
#include "app/menu/MenuResource.h"
#include "platform/FeedbackPort.h"
#include "platform/HotKeyPort.h"
#include "platform/MemoryRegistryStore.h"

#include <QHash>
#include <QStringList>
#include <gtest/gtest.h>

namespace verbalink {
namespace {

using namespace Qt::StringLiterals;

const QString Key = u"Software\\Verbalink"_s;

// Grabs keys as a desktop would; combinations in `held` belong to another client.
class FakeHotKeyPort final : public HotKeyPort {
public:
    bool grab(int id, int modifiers, int key) override
    {
        if (!available || held.contains({modifiers, key}))
            return false;
        grabs.insert(id, {modifiers, key});
        return true;
    }
    void release(int id) override { grabs.remove(id); }
    bool isAvailable() const override { return available; }
    // The press of a grabbed combination, as the desktop reports it.
    void press(int modifiers, int key)
    {
        for (auto grab = grabs.cbegin(); grab != grabs.cend(); ++grab) {
            if (grab.value() == std::pair{modifiers, key})
                notifyPressed(grab.key());
        }
    }

    bool available = true;
    QList<std::pair<int, int>> held;
    QHash<int, std::pair<int, int>> grabs;
};

class FakeFeedback final : public FeedbackPort {
public:
    void showFeedback(const QString& text) override { shown.append(text); }
    QStringList shown;
};

std::unique_ptr<MenuModel> trayMenu()
{
    return std::make_unique<MenuModel>(MenuResource::readTrayMenu().root);
}

TEST(CommandTable, RoutersFirstThenOneOwnerPerId)
{
    CommandTable table;
    QList<QString> calls;
    table.addRouter(
        [&](int id) { return id >= 100 && id < 200 ? (calls << u"range"_s, true) : false; });
    EXPECT_TRUE(table.add(104, [&] { calls << u"about"_s; }));
    EXPECT_TRUE(table.add(105, [&] { calls << u"exit"_s; }));
    EXPECT_FALSE(table.add(105, [&] { calls << u"second exit"_s; }));
    EXPECT_TRUE(table.add(300, [&] { calls << u"three hundred"_s; }));

    EXPECT_TRUE(table.dispatch(104)); // the range owner sees it first
    EXPECT_TRUE(table.dispatch(300));
    EXPECT_FALSE(table.dispatch(301));
    EXPECT_EQ(calls, (QList<QString>{u"range"_s, u"three hundred"_s}));
}

TEST(OptionToggles, InvertCheckAndStoreAtOnce)
{
    auto menu = trayMenu();
    MemoryRegistryStore store;
    Settings settings;
    const std::tuple<int, int Settings::*, const char16_t*, bool> cases[] = {
        {33328, &Settings::showTranslit, u"ShowTranslit", true},
        {33340, &Settings::showFlags, u"ShowFlags", false},
        {33354, &Settings::translateInChat, u"TranslateInChat", false},
        {33376, &Settings::musicPlayback, u"MusicPlayback", true},
    };
    for (const auto& [id, option, name, firstState] : cases) {
        SCOPED_TRACE(id);
        for (bool expected : {firstState, !firstState}) {
            EXPECT_EQ(toggleStoredOption(*menu, store, settings, id, option), expected);
            EXPECT_EQ(menu->find(id)->isChecked(), expected);
            EXPECT_EQ(store.readValue(RegistryRoot::CurrentUser, Key, QString::fromUtf16(name)),
                      expected ? u"1"_s : u"0"_s);
        }
    }

    // Run at login: a command is registered, an empty one only checks the entry.
    const QString run = u"Software\\Microsoft\\Windows\\CurrentVersion\\Run"_s;
    settings.runCommand = u"\"/usr/bin/verbalink\""_s;
    EXPECT_TRUE(toggleRunAtLogin(*menu, store, settings));
    EXPECT_EQ(store.readValue(RegistryRoot::CurrentUser, run, u"Verbalink"_s), settings.runCommand);
    EXPECT_FALSE(toggleRunAtLogin(*menu, store, settings));
    EXPECT_FALSE(store.readValue(RegistryRoot::CurrentUser, run, u"Verbalink"_s));
    settings.runCommand.clear();
    EXPECT_TRUE(toggleRunAtLogin(*menu, store, settings));
    EXPECT_TRUE(menu->find(32935)->isChecked());
    EXPECT_FALSE(store.readValue(RegistryRoot::CurrentUser, run, u"Verbalink"_s));
}

class HotKeysTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_menu = trayMenu();
        HotKeys::Links links{[this] { return m_translationOn; },
                             [] { return false; },
                             [] { return true; },
                             [this] { return m_musicOn; },
                             [this]() -> const InterfaceStrings& { return m_strings; },
                             [this](int id) { m_posted.append(id); },
                             [this](const QString& line) {
                                 m_log.append(line);
                             }};
        m_keys = std::make_unique<HotKeys>(m_port, m_feedback, *m_menu, m_store, m_boxes, links);
        // The menu's eleven voices, and two of its effects.
        m_keys->setVoices(m_menu->groupIds(u"voices"_s));
        m_keys->setEffects({33353, 33187});
    }

    MemoryRegistryStore m_store;
    test::FakeMessageBox m_boxes;
    std::unique_ptr<MenuModel> m_menu;
    FakeHotKeyPort m_port;
    FakeFeedback m_feedback;
    InterfaceStrings m_strings = InterfaceStrings::english();
    std::unique_ptr<HotKeys> m_keys;
    QList<int> m_posted;
    QStringList m_log;
    bool m_translationOn = true;
    bool m_musicOn = false;
};

TEST_F(HotKeysTest, AChoiceGrabsEveryKeyWithItsModifiersAndIsStored)
{
    const int ctrlShift = HotKeyPort::Control | HotKeyPort::Shift;
    m_keys->applyChoice(33364);
    // Twelve keys and the first ten voices; Space is not claimed.
    EXPECT_EQ(m_keys->grabbed().size(), 22);
    EXPECT_EQ(m_port.grabs.value(5000), std::pair(ctrlShift, int(Qt::Key_F1)));
    EXPECT_EQ(m_port.grabs.value(5109), std::pair(ctrlShift, int(Qt::Key_9)));
    EXPECT_FALSE(m_port.grabs.contains(5012));
    EXPECT_TRUE(m_menu->find(33364)->isChecked());

    m_keys->applyChoice(33362);
    EXPECT_EQ(m_port.grabs.value(5000), std::pair(int(HotKeyPort::Alt), int(Qt::Key_F1)));
    EXPECT_FALSE(m_menu->find(33364)->isChecked());
    EXPECT_EQ(m_store.readValue(RegistryRoot::CurrentUser, Key, u"Hotkeys"_s), u"33362"_s);

    m_keys->applyChoice(HotKeys::DisabledChoice);
    EXPECT_TRUE(m_port.grabs.isEmpty());
    EXPECT_TRUE(m_keys->grabbed().isEmpty());
    m_keys->applyChoice(105); // not a choice: nothing changes
    EXPECT_EQ(m_store.readValue(RegistryRoot::CurrentUser, Key, u"Hotkeys"_s), u"33360"_s);
}

TEST_F(HotKeysTest, AKeyHeldElsewhereIsSkippedAndTheOthersWork)
{
    const int ctrlShift = HotKeyPort::Control | HotKeyPort::Shift;
    m_port.held.append({ctrlShift, int(Qt::Key_F1)});
    m_keys->applyChoice(33364);
    EXPECT_FALSE(m_keys->grabbed().contains(5000));
    EXPECT_EQ(m_log.size(), 1);
    m_port.press(ctrlShift, Qt::Key_F2);
    EXPECT_EQ(m_posted, QList<int>{32858});
    EXPECT_EQ(m_feedback.shown, QStringList{u"Hide Original Messages: Enable"_s});
}

TEST_F(HotKeysTest, PressesGiveFeedbackAndPostTheirCommands)
{
    const int alt = HotKeyPort::Alt;
    m_keys->applyChoice(33362);
    struct Case {
        int key;
        int posted;
        QString feedback;
    };
    const Case cases[] = {
        {Qt::Key_F1, 32857, u"Disable Translation"_s},
        {Qt::Key_F3, 33232, u"Encrypt Message: Disable"_s},
        {Qt::Key_F5, 33179, {}},
        {Qt::Key_F10, 33187, u"Sound effect: Echo"_s},
        {Qt::Key_F10, 33353, u"Sound effect: Disabled"_s},   // wraps up
        {Qt::Key_F9, 33187, u"Sound effect: Echo"_s},        // wraps down
        {Qt::Key_F11, 33252, u"Voice type: Pitch (baby)"_s}, // before the first is the last
        {Qt::Key_F12, 33186, u"Voice type: Disabled"_s},     // after the last is the first
        {Qt::Key_3, 33345, u"Voice type: Mutation (slow)"_s},
        {Qt::Key_M, 33369, u"Music on"_s},
    };
    for (const Case& c : cases) {
        m_posted.clear();
        m_feedback.shown.clear();
        m_port.press(alt, c.key);
        EXPECT_EQ(m_posted, QList<int>{c.posted}) << c.key;
        EXPECT_EQ(m_feedback.shown, c.feedback.isEmpty() ? QStringList() : QStringList{c.feedback});
    }
    // The digit of the current voice changes nothing.
    m_posted.clear();
    m_port.press(alt, Qt::Key_3);
    EXPECT_TRUE(m_posted.isEmpty());
}

TEST_F(HotKeysTest, FeedbackNamesTheEntryAsTheMenuShowsItNow)
{
    m_keys->applyChoice(33362);
    // As after a change of the interface language.
    m_menu->setText(33187, u"Écho"_s);
    m_menu->setText(33327, u"Außerirdisch (nutzlos)"_s);
    const int alt = HotKeyPort::Alt;
    m_port.press(alt, Qt::Key_F10);
    m_port.press(alt, Qt::Key_1);
    EXPECT_EQ(m_feedback.shown,
              (QStringList{u"Sound effect: Écho"_s, u"Voice type: Außerirdisch (nutzlos)"_s}));
    EXPECT_EQ(m_posted, (QList<int>{33187, 33327}));
}

TEST_F(HotKeysTest, HelpIsAnInformationBox)
{
    m_keys->showHelp();
    ASSERT_EQ(m_boxes.boxes().size(), 1);
    const test::FakeMessageBox::Box box = m_boxes.boxes()[0];
    EXPECT_EQ(box.caption, u"Verbalink's Hotkeys"_s);
    EXPECT_EQ(box.text, m_keys->helpText());
    EXPECT_EQ(box.icon, MessageBoxPort::Icon::Information);
    EXPECT_FALSE(box.question);
}

TEST_F(HotKeysTest, WithoutGlobalKeysNothingIsGrabbedAndTheHelpSaysSo)
{
    m_port.available = false;
    m_keys->applyChoice(33364);
    m_keys->applyChoice(33361);
    EXPECT_TRUE(m_keys->grabbed().isEmpty());
    EXPECT_EQ(m_log.size(), 1); // said once
    EXPECT_TRUE(m_keys->helpText().startsWith(u"Hotkey+F1\tRealtime translation (on/off)\n"_s));
    EXPECT_TRUE(m_keys->helpText().contains(u"no global hot keys"_s));
}

} // namespace
} // namespace verbalink
