#include "app/i18n/InterfaceLanguage.h"

#include "app/StoredSettings.h"
#include "app/TranslationSwitch.h"
#include "app/i18n/InterfaceLanguageTable.h"
#include "app/menu/MenuModel.h"
#include "app/menu/MenuResource.h"
#include "platform/CommandId.h"
#include "platform/MemoryRegistryStore.h"

#include <gtest/gtest.h>

namespace verbalink {
namespace {

using namespace Qt::StringLiterals;

constexpr int Czech = 33249;
constexpr int TraditionalChinese = 33357;
constexpr int German = 33387;

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
        EXPECT_EQ(table->text(InterfaceSlot::NewVersion).count(u"%s"_s), 1);
        EXPECT_TRUE(table->text(InterfaceSlot::AutoDetect).startsWith(u' ') &&
                    !table->text(InterfaceSlot::AutoDetect).startsWith(u"  "));
        for (InterfaceSlot slot : {InterfaceSlot::DeleteRecordsQuestion, InterfaceSlot::NewVersion,
                                   InterfaceSlot::NoUpdateConnection})
            EXPECT_EQ(table->text(slot).count(u'\n'), 1) << "slot " << int(slot);
        // A lone "&" would underline the next letter instead of showing itself.
        EXPECT_EQ(QString(table->text(InterfaceSlot::FunArt)).remove(u"&&"_s).count(u'&'), 0);

        if (language.commandId == CommandId::InterfaceEnglish)
            continue;
        int sameAsEnglish = 0;
        for (int slot = 0; slot < table->size(); ++slot)
            sameAsEnglish +=
                table->text(InterfaceSlot(slot)) == english.text(InterfaceSlot(slot)) ? 1 : 0;
        // Words such as "Normal", "Help" or "Volume 50%" may really be the same.
        EXPECT_LE(sameAsEnglish, 8);
    }
}

TEST(InterfaceStringTables, AMissingFileIsNoTable)
{
    EXPECT_FALSE(InterfaceStrings::fromTranslation(u":/i18n/verbalink_xx.qm"_s));
    EXPECT_EQ(InterfaceStrings::englishText(InterfaceSlot(61)), QString());
    EXPECT_EQ(InterfaceStrings::englishText(InterfaceSlot::FunArt), u"Fun&&Art Message"_s);
}

// The slots the program asks for by name, at their numbers in every table.
TEST(InterfaceStringTables, NamedSlotsKeepTheirNumbersAndTexts)
{
    struct Pin {
        InterfaceSlot slot;
        int number;
        const char* english;
    };
    const Pin pins[] = {
        {InterfaceSlot::DisableTranslation, 0, "Disable Translation"},
        {InterfaceSlot::EnableTranslation, 1, "Enable Translation"},
        {InterfaceSlot::HideOriginals, 2, "Hide Original Messages"},
        {InterfaceSlot::AutoDetect, 23, " Auto Detect"},
        {InterfaceSlot::SpeechRateSlowest, 27, "Slowest"},
        {InterfaceSlot::SpeechRateFastest, 33, "Fastest"},
        {InterfaceSlot::BrowseMusic, 35, "Browse Audio File"},
        {InterfaceSlot::Volume10, 41, "Volume 10%"},
        {InterfaceSlot::Help, 46, "Help"},
        {InterfaceSlot::BrowseMusicWithFile, 47, "Browse Audio File ("},
        {InterfaceSlot::SelectUserFirst, 49, "Please, first select an user from the list!"},
        {InterfaceSlot::DeleteRecordsQuestion, 50,
         "This operation will delete all your voice call records!\nAre you sure?"},
        {InterfaceSlot::LatestVersion, 51, "You are using the latest version!"},
        {InterfaceSlot::NewVersion, 52,
         "A new version is available - %s\nGo to download page now?"},
        {InterfaceSlot::NoUpdateConnection, 53,
         "Cannot check for updates! \n Check if internet connection is available."},
        {InterfaceSlot::EncryptMessage, 54, "Encrypt Message"},
        {InterfaceSlot::Enable, 55, "Enable"},
        {InterfaceSlot::Disable, 56, "Disable"},
        {InterfaceSlot::HearMusic, 60, "Hear Music"},
    };
    for (const Pin& pin : pins) {
        EXPECT_EQ(int(pin.slot), pin.number);
        EXPECT_EQ(InterfaceStrings::englishText(pin.slot), QString::fromUtf8(pin.english))
            << pin.number;
    }
    // A table that lacks a slot lends it from English.
    const auto czech = InterfaceStrings::fromTranslation(u":/i18n/verbalink_cs.qm"_s);
    ASSERT_TRUE(czech && !czech->has(InterfaceSlot::HearMusic));
    EXPECT_EQ(czech->textOrEnglish(InterfaceSlot::HearMusic), u"Hear Music"_s);
    EXPECT_EQ(czech->textOrEnglish(InterfaceSlot::Help), czech->text(InterfaceSlot::Help));
    EXPECT_NE(czech->text(InterfaceSlot::Help), u"Help"_s);
}

class InterfaceLanguageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto result = MenuResource::readTrayMenu();
        ASSERT_TRUE(result.root) << result.error.toStdString();
        m_menu = std::make_unique<MenuModel>(std::move(result.root));
        m_english = std::make_unique<MenuModel>(MenuResource::readTrayMenu().root);
        m_switch = std::make_unique<TranslationSwitch>(*m_menu, m_settings);
        m_language =
            std::make_unique<InterfaceLanguage>(*m_menu, m_settings, *m_switch, u":/i18n"_s);
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
    StoredSettings m_settings{m_store};
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
    EXPECT_EQ(label({0}), czech.text(InterfaceSlot::DisableTranslation));
    EXPECT_EQ(label({15, 0}), czech.text(InterfaceSlot::InterfaceLanguage));
    EXPECT_EQ(label({22, 4}), czech.text(InterfaceSlot::Music));
    EXPECT_EQ(m_menu->find(CommandId::Volume100)->text(), czech.text(InterfaceSlot::Volume100));
    EXPECT_EQ(m_menu->find(CommandId::HearMusic)->text(), u"Hear Music"_s);

    // Relabelled entries differ from the resource; the others keep their labels.
    int relabelled = 0;
    for (int position = 0; position < 30; ++position) {
        const MenuItem* item = m_menu->itemAt({position});
        if (item && !item->isSeparator())
            relabelled += item->text() != m_english->itemAt({position})->text() ? 1 : 0;
    }
    EXPECT_EQ(relabelled, 25); // every entry but "Show user avatars"
    EXPECT_EQ(m_menu->find(CommandId::InterfaceEnglish)->text(), u"English"_s);
}

TEST_F(InterfaceLanguageTest, AutoDetectFollowsTheClientsExactCode)
{
    struct Case {
        QByteArray reported;
        int applied;
    };
    const Case cases[] = {{"zh-Hant", TraditionalChinese},
                          {"pt-BR", CommandId::InterfaceEnglish},
                          {"", CommandId::InterfaceEnglish},
                          {"de", German},
                          {"ZH-HANT", CommandId::InterfaceEnglish}};
    ASSERT_TRUE(m_language->selectCommand(CommandId::InterfaceAutoDetect, "cs"));
    EXPECT_EQ(m_language->appliedId(), Czech);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reported.constData());
        m_language->followClient(c.reported);
        EXPECT_EQ(m_language->appliedId(), c.applied);
        EXPECT_TRUE(checked(CommandId::InterfaceAutoDetect));
        EXPECT_FALSE(checked(c.applied));
        EXPECT_EQ(stored(), u"33318"_s);
    }
    const auto chinese = InterfaceStrings::fromTranslation(u":/i18n/verbalink_zh_Hant.qm"_s);
    m_language->followClient("zh-Hant");
    EXPECT_EQ(label({1}), chinese->text(InterfaceSlot::HideOriginals));
}

TEST_F(InterfaceLanguageTest, AnExplicitChoiceIgnoresTheClient)
{
    m_language->selectCommand(Czech, {});
    m_language->followClient("zh-Hant");
    EXPECT_EQ(m_language->appliedId(), Czech);
}

TEST_F(InterfaceLanguageTest, RestoreRepairsDamagedValuesAndMapsGermansStoredId)
{
    const std::pair<int, int> cases[] = {
        {33226, German},
        {0, CommandId::InterfaceEnglish},
        {CommandId::GoogleSourceAutoDetect, CommandId::InterfaceEnglish},
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
    EXPECT_FALSE(m_language->selectCommand(CommandId::Exit, {}));
}

TEST_F(InterfaceLanguageTest, TheFirstEntryFollowsTheSwitch)
{
    m_switch->toggle(); // off: the entry offers to enable
    m_language->selectCommand(Czech, {});
    const InterfaceStrings& czech = m_language->strings();
    EXPECT_EQ(label({0}), u"Enable Translation"_s);
    m_switch->toggle();
    EXPECT_EQ(label({0}), czech.text(InterfaceSlot::DisableTranslation));
    m_switch->toggle();
    EXPECT_EQ(label({0}), czech.text(InterfaceSlot::EnableTranslation));
}

} // namespace
} // namespace verbalink
