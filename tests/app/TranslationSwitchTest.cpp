#include "app/TranslationSwitch.h"

#include "app/StoredSettings.h"
#include "app/menu/MenuModel.h"
#include "app/menu/MenuResource.h"
#include "platform/CommandId.h"
#include "platform/MemoryRegistryStore.h"

#include <QList>
#include <gtest/gtest.h>

namespace verbalink {
namespace {

using namespace Qt::StringLiterals;

class TranslationSwitchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto result = MenuResource::readTrayMenu();
        ASSERT_TRUE(result.root) << result.error.toStdString();
        m_menu = std::make_unique<MenuModel>(std::move(result.root));
        m_switch = std::make_unique<TranslationSwitch>(*m_menu, m_settings);
        QObject::connect(m_switch.get(), &TranslationSwitch::changed,
                         [this](bool enabled) { m_signals.append(enabled); });
    }

    QString label() const { return m_menu->find(CommandId::ToggleTranslation)->text(); }
    QString image() const { return m_menu->find(CommandId::ToggleTranslation)->imageKey(); }
    std::optional<QString> storedState()
    {
        return m_store.readValue(RegistryRoot::CurrentUser, u"Software\\Verbalink"_s, u"State"_s);
    }

    MemoryRegistryStore m_store;
    StoredSettings m_settings{m_store};
    std::unique_ptr<MenuModel> m_menu;
    std::unique_ptr<TranslationSwitch> m_switch;
    QList<bool> m_signals;
};

TEST_F(TranslationSwitchTest, StartsEnabledWithoutWriting)
{
    EXPECT_TRUE(m_switch->isEnabled());
    EXPECT_EQ(label(), u"Disable Translation");
    EXPECT_EQ(m_store.writeCount(), 0);
}

TEST_F(TranslationSwitchTest, ToggleFlipsLabelIconStateAndSignal)
{
    EXPECT_FALSE(m_switch->toggle());
    EXPECT_FALSE(m_switch->isEnabled());
    EXPECT_EQ(label(), u"Enable Translation");
    EXPECT_EQ(image(), u"icon-on");
    EXPECT_EQ(storedState(), u"0"_s);

    EXPECT_TRUE(m_switch->toggle());
    EXPECT_TRUE(m_switch->isEnabled());
    EXPECT_EQ(label(), u"Disable Translation");
    EXPECT_EQ(image(), u"icon-off");
    EXPECT_EQ(storedState(), u"1"_s);

    EXPECT_EQ(m_signals, (QList<bool>{false, true}));
}

TEST_F(TranslationSwitchTest, UsesTheInterfaceLanguageLabels)
{
    m_switch->setLabels(u"Übersetzung aus"_s, u"Übersetzung ein"_s);
    m_switch->toggle();
    EXPECT_EQ(label(), u"Übersetzung ein");
    m_switch->toggle();
    EXPECT_EQ(label(), u"Übersetzung aus");
}

TEST_F(TranslationSwitchTest, UnwritableStoreStillToggles)
{
    m_store.setReadOnly(RegistryRoot::CurrentUser, true);
    EXPECT_FALSE(m_switch->toggle());
    EXPECT_EQ(label(), u"Enable Translation");
    EXPECT_EQ(m_signals, QList<bool>{false});
    EXPECT_FALSE(storedState().has_value());
}

} // namespace
} // namespace verbalink
