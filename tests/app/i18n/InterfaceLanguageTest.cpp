#include "app/i18n/InterfaceLanguage.h"

#include "app/TranslationSwitch.h"
#include "app/i18n/InterfaceLanguageTable.h"
#include "app/menu/MenuModel.h"
#include "app/menu/MenuResource.h"
#include "platform/MemoryRegistryStore.h"

#include <gtest/gtest.h>

namespace verbalink {
namespace {

using namespace Qt::StringLiterals;

constexpr int Czech = 33249;
constexpr int TraditionalChinese = 33357;
constexpr int German = 33387;
constexpr int HearMusic = 33376;

QString compiledTable(const InterfaceLanguageEntry& language)
{
    return u":/i18n/verbalink_"_s + QString::fromLatin1(language.fileCode) + u".qm"_s;
}

TEST(InterfaceStringTables, EveryLanguageKeepsTheFormOfTheEnglishTable)
{
    const InterfaceStrings english = InterfaceStrings::english();
    ASSERT_EQ(english.size(), 61);
    for (const InterfaceLanguageEntry& language : interfaceLanguages()) {
        SCOPED_TRACE(language.fileCode);
        const std::optional<InterfaceStrings> table =
            InterfaceStrings::fromTranslation(compiledTable(language));
        ASSERT_TRUE(table);
        // Czech has no "Hear Music".
        EXPECT_EQ(table->size(), language.commandId == Czech ? 60 : 61);
        EXPECT_EQ(table->text(52).count(u"%s"_s), 1);
        EXPECT_TRUE(table->text(23).startsWith(u' ') && !table->text(23).startsWith(u"  "));
        for (int slot : {50, 52, 53})
            EXPECT_EQ(table->text(slot).count(u'\n'), 1) << "slot " << slot;
        // A lone "&" would underline the next letter instead of showing itself.
        EXPECT_EQ(QString(table->text(14)).remove(u"&&"_s).count(u'&'), 0);

        if (language.commandId == InterfaceLanguage::EnglishId)
            continue;
        int sameAsEnglish = 0;
        for (int slot = 0; slot < table->size(); ++slot)
            sameAsEnglish += table->text(slot) == english.text(slot) ? 1 : 0;
        // Words such as "Normal", "Help" or "Volume 50%" may really be the same.
        EXPECT_LE(sameAsEnglish, 8);
    }
}

TEST(InterfaceStringTables, AMissingFileIsNoTable)
{
    EXPECT_FALSE(InterfaceStrings::fromTranslation(u":/i18n/verbalink_xx.qm"_s));
    EXPECT_EQ(InterfaceStrings::englishText(61), QString());
    EXPECT_EQ(InterfaceStrings::englishText(14), u"Fun&&Art Message"_s);
}

class InterfaceLanguageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto result = MenuResource::readTrayMenu();
        ASSERT_TRUE(result.root) << result.error.toStdString();
        m_menu = std::make_unique<MenuModel>(std::move(result.root));
        m_english = std::make_unique<MenuModel>(MenuResource::readTrayMenu().root);
        m_switch = std::make_unique<TranslationSwitch>(*m_menu, m_store);
        m_language = std::make_unique<InterfaceLanguage>(*m_menu, m_store, *m_switch, u":/i18n"_s);
    }

    QString stored()
    {
        return m_store
            .readValue(RegistryRoot::CurrentUser, u"Software\\Verbalink"_s, u"MenuLanguage"_s)
            .value_or(QString());
    }
    bool checked(int id) const { return m_menu->find(id)->isChecked(); }
    QString label(const MenuPath& path) const { return m_menu->itemAt(path)->text(); }

    MemoryRegistryStore m_store;
    std::unique_ptr<MenuModel> m_menu;
    std::unique_ptr<MenuModel> m_english;
    std::unique_ptr<TranslationSwitch> m_switch;
    std::unique_ptr<InterfaceLanguage> m_language;
};

TEST_F(InterfaceLanguageTest, CzechRelabelsEveryListedEntryButHearMusic)
{
    ASSERT_TRUE(m_language->selectCommand(Czech, {}));
    EXPECT_TRUE(checked(Czech));
    EXPECT_EQ(stored(), u"33249"_s);
    const InterfaceStrings& czech = m_language->strings();
    EXPECT_EQ(label({0}), czech.text(0));
    EXPECT_EQ(label({15, 0}), czech.text(48));
    EXPECT_EQ(label({22, 4}), czech.text(45));
    EXPECT_EQ(m_menu->find(33198)->text(), czech.text(37));
    EXPECT_EQ(m_menu->find(HearMusic)->text(), u"Hear Music"_s);

    // Relabelled entries differ from the resource; the others keep their labels.
    int relabelled = 0;
    for (int position = 0; position < 30; ++position) {
        const MenuItem* item = m_menu->itemAt({position});
        if (item && !item->isSeparator())
            relabelled += item->text() != m_english->itemAt({position})->text() ? 1 : 0;
    }
    EXPECT_EQ(relabelled, 25); // every entry but "Show user avatars"
    EXPECT_EQ(m_menu->find(33223)->text(), u"English"_s);
}

TEST_F(InterfaceLanguageTest, AutoDetectFollowsTheClientsExactCode)
{
    struct Case {
        QByteArray reported;
        int applied;
    };
    const Case cases[] = {{"zh-Hant", TraditionalChinese},
                          {"pt-BR", InterfaceLanguage::EnglishId},
                          {"", InterfaceLanguage::EnglishId},
                          {"de", German},
                          {"ZH-HANT", InterfaceLanguage::EnglishId}};
    ASSERT_TRUE(m_language->selectCommand(InterfaceLanguage::AutoDetectId, "cs"));
    EXPECT_EQ(m_language->appliedId(), Czech);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reported.constData());
        m_language->followClient(c.reported);
        EXPECT_EQ(m_language->appliedId(), c.applied);
        EXPECT_TRUE(checked(InterfaceLanguage::AutoDetectId));
        EXPECT_FALSE(checked(c.applied));
        EXPECT_EQ(stored(), u"33318"_s);
    }
    const auto chinese = InterfaceStrings::fromTranslation(u":/i18n/verbalink_zh_Hant.qm"_s);
    m_language->followClient("zh-Hant");
    EXPECT_EQ(label({1}), chinese->text(2));
}

TEST_F(InterfaceLanguageTest, AnExplicitChoiceIgnoresTheClient)
{
    m_language->selectCommand(Czech, {});
    m_language->followClient("zh-Hant");
    EXPECT_EQ(m_language->appliedId(), Czech);
}

TEST_F(InterfaceLanguageTest, RestoreRepairsDamagedValuesAndMapsGermansStoredId)
{
    const std::pair<int, int> cases[] = {{33226, German},
                                         {0, InterfaceLanguage::EnglishId},
                                         {32785, InterfaceLanguage::EnglishId},
                                         {Czech, Czech}};
    for (const auto& [storedId, checkedId] : cases) {
        SCOPED_TRACE(storedId);
        m_language->restore(storedId, {});
        EXPECT_EQ(m_language->currentId(), checkedId);
        EXPECT_TRUE(checked(checkedId));
        EXPECT_EQ(stored(), QString::number(checkedId == German ? 33226 : checkedId));
    }
    // Bing's Catalan shares German's stored id but is no interface command.
    EXPECT_FALSE(m_language->selectCommand(33226, {}));
    EXPECT_FALSE(m_language->selectCommand(105, {}));
}

TEST_F(InterfaceLanguageTest, TheFirstEntryFollowsTheSwitch)
{
    m_switch->toggle(); // off: the entry offers to enable
    m_language->selectCommand(Czech, {});
    const InterfaceStrings& czech = m_language->strings();
    EXPECT_EQ(label({0}), u"Enable Translation"_s);
    m_switch->toggle();
    EXPECT_EQ(label({0}), czech.text(0));
    m_switch->toggle();
    EXPECT_EQ(label({0}), czech.text(1));
}

} // namespace
} // namespace verbalink
