// The "Spell Check" submenu over the real tray menu, the real checker and a recording box.

#include "langtools/SpellCheckMenu.h"

#include "FakeMessageBox.h"
#include "app/menu/MenuModel.h"
#include "app/menu/MenuResource.h"
#include "langtools/SpellChecker.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace verbalink;

namespace {

class SpellCheckMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MenuResource::Result menu = MenuResource::readTrayMenu();
        ASSERT_TRUE(menu.root) << qPrintable(menu.error);
        m_menu = std::make_unique<MenuModel>(std::move(menu.root));
        QDir().mkpath(m_dir.filePath(u"dic"_qs));
        // Debian's en_US, and a copy that declares an encoding outside the table.
        QFile::copy(u"/usr/share/hunspell/en_US.dic"_qs, m_dir.filePath(u"dic/th.dic"_qs));
        QFile thai(m_dir.filePath(u"dic/th.aff"_qs));
        ASSERT_TRUE(thai.open(QIODevice::WriteOnly));
        thai.write("SET TIS620\n");
    }
    SpellCheckMenu& build(const QByteArray& stored)
    {
        m_spellMenu = std::make_unique<SpellCheckMenu>(
            SpellCheckMenu::Links{*m_menu, m_boxes, m_checker,
                                  [this](const QString& page) { m_pages << page; },
                                  [this](bool on) {
                                      m_switches << on;
                                  }},
            DictionaryCatalog::discover(m_dir.path(), {u"/usr/share/hunspell"_qs}),
            QStringLiteral("/opt/verbalink"));
        m_spellMenu->build(stored, QStringLiteral("Hilfe"));
        return *m_spellMenu;
    }
    QString checked() const
    {
        for (int id : m_menu->groupIds(QStringLiteral("dictionary"))) {
            if (m_menu->find(id)->isChecked())
                return m_menu->find(id)->text();
        }
        return {};
    }

    QTemporaryDir m_dir;
    std::unique_ptr<MenuModel> m_menu;
    test::FakeMessageBox m_boxes;
    SpellChecker m_checker;
    std::unique_ptr<SpellCheckMenu> m_spellMenu;
    QStringList m_pages;
    QList<bool> m_switches;
};

TEST_F(SpellCheckMenuTest, BuildsTheSubmenuAndRestoresTheStoredDictionaryByItsPath)
{
    SpellCheckMenu& menu = build("/usr/share/hunspell/en_US.dic");
    EXPECT_EQ(m_menu->commandIds({4}), (QList<int>{32997, 5000, 5001, 5102, 5100}));
    EXPECT_EQ(m_menu->find(5000)->text(), u"th.dic");
    EXPECT_EQ(m_menu->find(5102)->text(), u"Add Dictionaries");
    EXPECT_EQ(m_menu->find(5100)->text(), u"Hilfe");
    EXPECT_EQ(checked(), u"en_US.dic");
    EXPECT_TRUE(m_checker.enabled());
    EXPECT_EQ(m_checker.dictionaryName(), u"en_US.dic");
    EXPECT_EQ(menu.storedValue(), "/usr/share/hunspell/en_US.dic");
    EXPECT_EQ(m_switches, QList<bool>{true});
    EXPECT_TRUE(m_boxes.boxes().isEmpty());
}

TEST_F(SpellCheckMenuTest, AStoredDictionaryThatIsGoneLeavesSpellCheckOff)
{
    for (const QByteArray& stored : {QByteArray("/usr/share/hunspell/xx.dic"), QByteArray("0"),
                                     QByteArray("/USR/share/hunspell/en_US.dic")}) {
        SetUp();
        SpellCheckMenu& menu = build(stored);
        EXPECT_EQ(checked(), u"Disabled") << stored.constData();
        EXPECT_EQ(menu.storedValue(), "0");
        EXPECT_FALSE(m_checker.enabled());
    }
}

TEST_F(SpellCheckMenuTest, CommandsSwitchDictionariesAndOffAndOpenHelp)
{
    SpellCheckMenu& menu = build("0");
    EXPECT_TRUE(menu.handleCommand(5001));
    EXPECT_TRUE(m_checker.enabled());
    EXPECT_EQ(checked(), u"en_US.dic");

    // Outside the encoding table: said so, and spell check stays on with that dictionary.
    EXPECT_TRUE(menu.handleCommand(5000));
    ASSERT_EQ(m_boxes.boxes().size(), 1);
    EXPECT_EQ(m_boxes.boxes()[0].text, u"Cannot load dictionary file.\n Unsupported encoding!");
    EXPECT_EQ(m_boxes.boxes()[0].caption, u"Error");
    EXPECT_EQ(checked(), u"th.dic");
    EXPECT_EQ(m_checker.dictionaryName(), u"th.dic");
    EXPECT_EQ(m_checker.codePage(), 65001);
    EXPECT_EQ(menu.storedValue(), m_dir.filePath(u"dic/th.dic"_qs).toUtf8());

    EXPECT_TRUE(menu.handleCommand(SpellCheckMenu::DisabledId));
    EXPECT_FALSE(m_checker.enabled());
    EXPECT_EQ(menu.storedValue(), "0");
    EXPECT_EQ(m_switches, (QList<bool>{true, true, false}));

    EXPECT_TRUE(menu.handleCommand(5102));
    EXPECT_EQ(m_pages, QStringList{u"dic/index.html"_qs});
    EXPECT_TRUE(menu.handleCommand(5100));
    ASSERT_EQ(m_boxes.boxes().size(), 2);
    EXPECT_EQ(m_boxes.boxes()[1].caption, u"Verbalink's Spellcheck Help");
    EXPECT_EQ(m_boxes.boxes()[1].icon, MessageBoxPort::Icon::Information);
    EXPECT_TRUE(m_boxes.boxes()[1].text.startsWith(
        u"With spellchecker you could correct your outgoing messages in realtime.\n"));
    EXPECT_TRUE(m_boxes.boxes()[1].text.contains(
        u"5) Copy newly extracted files to 'dic' subfolder.( /opt/verbalink/dic/ )\n"
        u"6) Restart Verbalink."));
    EXPECT_FALSE(m_boxes.boxes()[1].text.endsWith(u'\n'));

    for (int other : {5002, 5101, 5500, 33053})
        EXPECT_FALSE(menu.handleCommand(other)) << other;
}

} // namespace
