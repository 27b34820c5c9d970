#include "app/menu/MenuDecoration.h"

#include "QStringPrinter.h"
#include "app/menu/MenuModel.h"
#include "app/menu/MenuResource.h"

#include <gtest/gtest.h>

// Which picture each entry of the shipped tray menu gets, and when.

namespace verbalink {
namespace {

using namespace Qt::StringLiterals;

class MenuDecorationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MenuResource::Result result = MenuResource::readTrayMenu();
        ASSERT_TRUE(result.root) << result.error.toStdString();
        m_menu = std::make_unique<MenuModel>(std::move(result.root));
        m_decoration = std::make_unique<MenuDecoration>(*m_menu);
    }
    QString keyOf(int commandId) const { return m_menu->find(commandId)->imageKey(); }
    QString keyAt(int position) const { return m_menu->itemAt({position})->imageKey(); }
    // Every top-level position's key, in order.
    QStringList topLevelKeys() const
    {
        QStringList keys;
        for (int position = 0; position < m_menu->root().childCount(); ++position)
            keys.append(keyAt(position));
        return keys;
    }

    std::unique_ptr<MenuModel> m_menu;
    std::unique_ptr<MenuDecoration> m_decoration;
};

TEST_F(MenuDecorationTest, LanguagesShowTheirCountrysFlagWithTheMenusExceptions)
{
    m_decoration->applyFlags();
    const std::vector<std::pair<QString, std::vector<int>>> flags = {
        // Google source, target and incoming; Bing source and target where it has the language
        {u"flag-is"_s, {33034, 33044, 33286}},               // Icelandic
        {u"flag-id"_s, {32794, 32836, 33287, 33169, 33174}}, // Indonesian
        // English everywhere, and every Yahoo and SysTran pair from English
        {u"flag-us"_s,
         {32782, 32825, 33272, 33006, 33020, 32940, 32968, 33208, 33215, 32865, 32868, 33117,
          33130}},
        {u"flag-in"_s, {33236, 33239, 33263, 32957, 32985}}, // Bengali, Hindi (Babylon)
        {u"flag-bn"_s, {33040, 33047, 33296}},               // Malay
        {u"flag-eo"_s, {33384, 33385, 33386}},               // Esperanto, drawn for the program
        {u"flag-gb"_s, {33041, 33050, 33316}},               // Welsh keeps Britain's
        {u"flag-es"_s, {33226, 33323, 33336, 33338, 33337, 33339, 33261}}, // Catalan, Castilian..
        {u"flag-se"_s, {33317, 33164}}, // Yiddish; SysTran "Swedish to English"
        // a pair shows its source's flag: Chinese-trad to English, Arabic to English
        {u"flag-cn"_s, {32863, 32864, 33114}},
        {u"flag-dz"_s, {33113, 32941, 32969}},
        {u"flag-fr"_s, {33214, 33221, 32879, 32880}}, // Promt French; Yahoo French to ...
    };
    for (const auto& [key, ids] : flags) {
        for (int id : ids)
            EXPECT_EQ(keyOf(id), key) << id;
    }
}

TEST_F(MenuDecorationTest, EntriesThatAreNoLanguageGetNoFlag)
{
    m_decoration->applyFlags();
    m_decoration->applyIcons(true);
    // the automatic and "Disabled" entries, "Translate in chat dialog"
    QList<int> none = {32785, 33321, 33343, 33254, 33354, 33001, 33324, 33322, 33207, 33325};
    // every "Interface Language" entry, German (33387) included although Bing's Catalan is 33226
    none += m_menu->commandIds({15, 0});
    ASSERT_TRUE(none.contains(33387));
    for (int id : none)
        EXPECT_TRUE(keyOf(id).isEmpty()) << id;
}

TEST_F(MenuDecorationTest, FlagsFirstThenLogosAndTopLevelIcons)
{
    m_decoration->applyFlags();
    EXPECT_EQ(topLevelKeys().join(u""), QString());
    EXPECT_TRUE(keyOf(32900).isEmpty());

    QList<int> changed; // command ids, -1 for a submenu
    QObject::connect(m_menu.get(), &MenuModel::itemChanged, [&](const MenuItem* item) {
        changed.append(item->isSubmenu() ? -1 : item->commandId());
    });
    m_decoration->applyIcons(true);
    // the six "Set Translator" entries, then every top-level entry but the separators
    ASSERT_EQ(changed.size(), 6 + 26);
    EXPECT_EQ(changed.first(6), (QList<int>{32900, 32936, 32901, 32902, 33109, 33203}));
    EXPECT_EQ(changed.sliced(6, 3), (QList<int>{32857, 32858, -1}));
    EXPECT_EQ(changed.last(), 105);
    const QStringList expected = {u"icon-off"_s,
                                  u"icon-hide-original"_s,
                                  u"icon-encrypt"_s,
                                  u"icon-translator"_s,
                                  u"icon-spell-check"_s,
                                  u"icon-speech"_s,
                                  u"icon-incoming"_s,
                                  QString(),
                                  u"logo-google"_s,
                                  u"logo-babylon"_s,
                                  u"logo-yahoo"_s,
                                  u"logo-bing"_s,
                                  u"logo-systran"_s,
                                  u"logo-promt"_s,
                                  QString(),
                                  u"icon-preferences"_s,
                                  u"icon-filter"_s,
                                  QString(),
                                  u"icon-greetings"_s,
                                  u"icon-fun-art"_s,
                                  u"icon-robot"_s,
                                  u"icon-recorder"_s,
                                  u"icon-voice-changer"_s,
                                  u"icon-broadcast"_s,
                                  u"icon-avatars"_s,
                                  QString(),
                                  u"icon-updates"_s,
                                  u"icon-homepage"_s,
                                  u"icon-about"_s,
                                  u"icon-exit"_s};
    EXPECT_EQ(topLevelKeys(), expected);
    // a service's "Set Translator" entry shows the lettermark of its settings submenu
    const QList<int> translators = changed.first(6);
    for (int i = 0; i < translators.size(); ++i)
        EXPECT_EQ(keyOf(translators[i]), keyAt(8 + i)) << translators[i];
}

TEST_F(MenuDecorationTest, FirstEntryShowsWhatItsCommandDoes)
{
    m_decoration->applyIcons(false); // started with translation off
    EXPECT_EQ(keyAt(0), u"icon-on");
    m_decoration->showTranslationState(true);
    EXPECT_EQ(keyAt(0), u"icon-off");
    EXPECT_EQ(keyOf(32857), u"icon-off");
    m_decoration->showTranslationState(false);
    EXPECT_EQ(keyAt(0), u"icon-on");
}

TEST_F(MenuDecorationTest, RelabellingKeepsEveryPicture)
{
    m_decoration->applyFlags();
    m_decoration->applyIcons(true);
    const QStringList before = topLevelKeys();
    for (int position = 0; position < m_menu->root().childCount(); ++position)
        m_menu->setTextAt({position}, u"Eintrag "_s + QString::number(position));
    m_menu->setText(33044, u"Isländisch"_s);
    EXPECT_EQ(topLevelKeys(), before);
    EXPECT_EQ(keyOf(33044), u"flag-is");
    EXPECT_EQ(m_menu->itemAt({8})->text(), u"Eintrag 8");
}

} // namespace
} // namespace verbalink
