#include "app/LanguageMenus.h"

#include "app/Settings.h"
#include "app/menu/MenuModel.h"
#include "app/menu/MenuResource.h"
#include "menu/QStringPrinter.h"
#include "translate/languages/LanguageSelection.h"
#include "translate/languages/LanguageTables.h"

#include <gtest/gtest.h>
#include <memory>

// The language tables against the shipped tray menu, and the adapter between the selection, the
// menu's check marks and the stored options.

namespace verbalink {
namespace {

using namespace Qt::StringLiterals;

std::unique_ptr<MenuModel> trayMenu()
{
    MenuResource::Result data = MenuResource::readTrayMenu();
    EXPECT_TRUE(data.root) << data.error.toStdString();
    return std::make_unique<MenuModel>(std::move(data.root));
}

struct SubmenuCase {
    LanguageMenu menu;
    MenuPath path;
    QStringList titles; // of the submenus along the path
};

const QList<SubmenuCase> Submenus{
    {LanguageMenu::Incoming, {6}, {u"Translate Incoming Messages"_s}},
    {LanguageMenu::GoogleSource, {8, 0}, {u"Google Settings"_s, u"From Language"_s}},
    {LanguageMenu::GoogleTarget, {8, 1}, {u"Google Settings"_s, u"To Language"_s}},
    {LanguageMenu::BabylonSource, {9, 0}, {u"Babylon Settings"_s, u"From Language"_s}},
    {LanguageMenu::BabylonTarget, {9, 1}, {u"Babylon Settings"_s, u"To Language"_s}},
    {LanguageMenu::Yahoo, {10}, {u"Yahoo Settings"_s}},
    {LanguageMenu::BingSource, {11, 0}, {u"Bing Settings"_s, u"From Language"_s}},
    {LanguageMenu::BingTarget, {11, 1}, {u"Bing Settings"_s, u"To Language"_s}},
    {LanguageMenu::SysTran, {12}, {u"SysTran Settings"_s}},
    {LanguageMenu::PromtSource, {13, 0}, {u"Promt Settings"_s, u"From Language"_s}},
    {LanguageMenu::PromtTarget, {13, 1}, {u"Promt Settings"_s, u"To Language"_s}},
};

QList<int> tableIds(LanguageMenu menu)
{
    QList<int> ids;
    for (const LanguageEntry& entry : LanguageTables::table(menu).entries())
        ids.append(entry.commandId);
    return ids;
}

TEST(LanguageMenus, EveryTableMatchesItsSubmenuInOrder)
{
    const auto menu = trayMenu();
    ASSERT_EQ(Submenus.size(), LanguageMenuCount);
    for (const SubmenuCase& c : Submenus) {
        const QString name = languageMenuName(c.menu);
        SCOPED_TRACE(name.toStdString());
        for (qsizetype level = 0; level < c.path.size(); ++level) {
            const MenuItem* submenu = menu->itemAt(c.path.first(level + 1));
            ASSERT_NE(submenu, nullptr);
            EXPECT_EQ(QString(submenu->text()).remove(u'&'), c.titles.at(level));
        }
        // The submenu's language entries are the table, in the same order; each id lives there.
        QList<int> shown;
        for (int id : menu->commandIds(c.path)) {
            if (menu->find(id)->group() == name)
                shown.append(id);
        }
        EXPECT_EQ(shown, tableIds(c.menu));
        EXPECT_EQ(menu->groupIds(name), tableIds(c.menu));
    }
}

TEST(LanguageMenus, TheEngineEntriesAreOneGroup)
{
    const auto menu = trayMenu();
    QList<int> ids = menu->groupIds(u"translator"_s);
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(ids, (QList<int>{32900, 32901, 32902, 32936, 33109, 33203}));
    for (TranslatorId translator : allTranslators())
        EXPECT_TRUE(ids.contains(translatorCommandId(translator)));
}

QList<int> checkedIn(const MenuModel& menu, const QString& group)
{
    QList<int> ids;
    for (int id : menu.groupIds(group)) {
        if (menu.find(id)->isChecked())
            ids.append(id);
    }
    return ids;
}

TEST(LanguageMenus, RestoreFromDefaultSettingsChecksTheDefaultEntries)
{
    const auto menu = trayMenu();
    LanguageMenus marks(*menu);
    LanguageSelection selection(marks);
    restoreLanguageSelection(selection, Settings());

    const std::vector<std::pair<QString, int>> expected{
        {u"google-from"_s, 32785}, {u"google-to"_s, 32825}, {u"yahoo"_s, 32869},
        {u"bing-from"_s, 33001},   {u"bing-to"_s, 33022},   {u"babylon-from"_s, 32940},
        {u"babylon-to"_s, 32971},  {u"systran"_s, 33121},   {u"promt-from"_s, 33208},
        {u"promt-to"_s, 33218},    {u"incoming"_s, 33254},  {u"translator"_s, 32900}};
    for (const auto& [group, id] : expected)
        EXPECT_EQ(checkedIn(*menu, group), QList<int>{id}) << group.toStdString();
}

TEST(LanguageMenus, StoredCatalanChecksBingNotTheInterfaceLanguage)
{
    const auto menu = trayMenu();
    LanguageMenus marks(*menu);
    LanguageSelection selection(marks);
    Settings settings;
    settings.liveTo = 33226;
    settings.translator = 3;
    restoreLanguageSelection(selection, settings);

    EXPECT_EQ(checkedIn(*menu, u"bing-to"_s), QList<int>{33226});
    EXPECT_TRUE(checkedIn(*menu, u"interface-language"_s).isEmpty());
    EXPECT_EQ(checkedIn(*menu, u"translator"_s), QList<int>{32902});
    EXPECT_EQ(selection.choice(LanguageMenu::BingTarget).code, "ca");
    // The interface's own German entry selects no Bing language.
    EXPECT_FALSE(selection.route(33387));
    EXPECT_EQ(checkedIn(*menu, u"bing-to"_s), QList<int>{33226});
}

TEST(LanguageMenus, GarbageStoredValuesKeepTheDefaults)
{
    const auto menu = trayMenu();
    LanguageMenus marks(*menu);
    LanguageSelection selection(marks);
    Settings settings;
    settings.translator = 0;
    settings.fromLang = 0;
    settings.toLang = 12345;
    settings.yahoo = 33121;             // a SysTran pair
    settings.translateIncoming = 33272; // valid: English
    restoreLanguageSelection(selection, settings);

    EXPECT_EQ(checkedIn(*menu, u"google-from"_s), QList<int>{32785});
    EXPECT_EQ(checkedIn(*menu, u"google-to"_s), QList<int>{32825});
    EXPECT_EQ(checkedIn(*menu, u"yahoo"_s), QList<int>{32869});
    EXPECT_EQ(checkedIn(*menu, u"systran"_s), QList<int>{33121});
    EXPECT_EQ(checkedIn(*menu, u"incoming"_s), QList<int>{33272});
    EXPECT_EQ(checkedIn(*menu, u"translator"_s), QList<int>{32900});
    EXPECT_TRUE(selection.incomingEnabled());

    // The exit save writes what is in effect, not what was read.
    storeLanguageSelection(selection, settings);
    EXPECT_EQ(settings.translator, 1);
    EXPECT_EQ(settings.fromLang, 32785);
    EXPECT_EQ(settings.toLang, 32825);
    EXPECT_EQ(settings.yahoo, 32869);
    EXPECT_EQ(settings.translateIncoming, 33272);
}

TEST(LanguageMenus, MenuCommandsMoveTheMarkAndReachTheExitSave)
{
    const auto menu = trayMenu();
    LanguageMenus marks(*menu);
    LanguageSelection selection(marks);
    restoreLanguageSelection(selection, Settings());

    const std::vector<std::pair<int, int Settings::*>> commands{
        {32777, &Settings::fromLang},
        {33385, &Settings::toLang},
        {32898, &Settings::yahoo},
        {33164, &Settings::systran},
        {33323, &Settings::liveFrom},
        {33324, &Settings::liveTo},
        {33176, &Settings::babylonFrom},
        {33339, &Settings::babylonTo},
        {33207, &Settings::promtFrom},
        {33325, &Settings::promtTo},
        {33343, &Settings::translateIncoming}};
    for (const auto& [id, field] : commands)
        EXPECT_TRUE(selection.route(id)) << id;
    EXPECT_TRUE(selection.selectTranslatorCommand(33203));

    Settings saved;
    storeLanguageSelection(selection, saved);
    for (const auto& [id, field] : commands) {
        EXPECT_EQ(saved.*field, id);
        EXPECT_TRUE(menu->find(id)->isChecked()) << id;
        EXPECT_EQ(checkedIn(*menu, menu->find(id)->group()).size(), 1) << id;
    }
    EXPECT_EQ(saved.translator, 6);
    EXPECT_EQ(checkedIn(*menu, u"translator"_s), QList<int>{33203});
}

} // namespace
} // namespace verbalink
