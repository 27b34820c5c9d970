#include "ui/TrayIcon.h"

#include "WaitFor.h"
#include "app/DebugLog.h"
#include "app/StoredSettings.h"
#include "app/TranslationSwitch.h"
#include "app/menu/MenuModel.h"
#include "app/menu/MenuResource.h"
#include "platform/CommandId.h"
#include "platform/MemoryRegistryStore.h"
#include "ui/MenuIconMap.h"
#include "ui/TrayMenuView.h"

#include <QApplication>
#include <QMenu>
#include <QScopeGuard>
#include <QStyleHints>
#include <QThread>
#include <gtest/gtest.h>

namespace verbalink {
namespace {

class TrayIconTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto result = MenuResource::readTrayMenu();
        ASSERT_TRUE(result.root) << result.error.toStdString();
        m_model = std::make_unique<MenuModel>(std::move(result.root));
        m_view = std::make_unique<TrayMenuView>(*m_model, m_images);
        m_savedInterval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(100);
    }
    void TearDown() override
    {
        m_view->menu()->hide();
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(m_savedInterval);
    }

    std::unique_ptr<TrayIcon> makeIcon(int debugLevel)
    {
        auto icon = std::make_unique<TrayIcon>(*m_view, m_log, debugLevel);
        QObject::connect(icon.get(), &TrayIcon::commandRequested,
                         [this](int id) { m_commands.append(id); });
        return icon;
    }
    static void click(TrayIcon& icon, QSystemTrayIcon::ActivationReason reason)
    {
        Q_EMIT icon.systemTrayIcon().activated(reason);
    }
    bool menuOpen() const { return m_view->menu()->isVisible(); }

    MenuIconMap m_images;
    DebugLog m_log;
    std::unique_ptr<MenuModel> m_model;
    std::unique_ptr<TrayMenuView> m_view;
    QList<int> m_commands;
    int m_savedInterval = 0;
};

TEST_F(TrayIconTest, ShowsTipAndBuiltInIcons)
{
    auto icon = makeIcon(0);
    EXPECT_EQ(icon->systemTrayIcon().toolTip(), u"Verbalink for Skype");
    EXPECT_FALSE(icon->enabledIcon().pixmap(16).isNull());
    EXPECT_FALSE(icon->disabledIcon().pixmap(16).isNull());
    EXPECT_NE(icon->enabledIcon().pixmap(16).toImage(), icon->disabledIcon().pixmap(16).toImage());
    // Offscreen there is no tray: show() says so instead of failing.
    EXPECT_EQ(icon->show(), QSystemTrayIcon::isSystemTrayAvailable());
}

TEST_F(TrayIconTest, FollowsTheTranslationSwitch)
{
    auto icon = makeIcon(0);
    MemoryRegistryStore store;
    StoredSettings settings{store};
    TranslationSwitch translation(*m_model, settings);
    QObject::connect(&translation, &TranslationSwitch::changed, icon.get(),
                     &TrayIcon::setTranslationEnabled);
    const auto shown = [&] {
        return icon->systemTrayIcon().icon().cacheKey();
    };
    EXPECT_EQ(shown(), icon->enabledIcon().cacheKey());
    translation.toggle();
    EXPECT_EQ(shown(), icon->disabledIcon().cacheKey());
    translation.toggle();
    EXPECT_EQ(shown(), icon->enabledIcon().cacheKey());
}

TEST_F(TrayIconTest, LeftDoubleClickRequestsTheToggle)
{
    auto icon = makeIcon(0);
    click(*icon, QSystemTrayIcon::DoubleClick);
    click(*icon, QSystemTrayIcon::Trigger);
    click(*icon, QSystemTrayIcon::MiddleClick);
    EXPECT_EQ(m_commands, QList<int>{CommandId::ToggleTranslation});
    EXPECT_FALSE(menuOpen());
}

TEST_F(TrayIconTest, RightClickOpensTheMenu)
{
    auto icon = makeIcon(1);
    click(*icon, QSystemTrayIcon::Context);
    EXPECT_TRUE(menuOpen());
    EXPECT_FALSE(m_log.isVisible());
}

TEST_F(TrayIconTest, RightDoubleClickTogglesTheLogWithDebugLevel)
{
    // A loaded machine may take longer than a user's interval to open the menu between clicks.
    QStyleHints* hints = QGuiApplication::styleHints();
    const int interval = hints->mouseDoubleClickInterval();
    hints->setMouseDoubleClickInterval(10000);
    const auto restore = qScopeGuard([&] { hints->setMouseDoubleClickInterval(interval); });
    auto icon = makeIcon(1);
    click(*icon, QSystemTrayIcon::Context);
    click(*icon, QSystemTrayIcon::Context);
    EXPECT_TRUE(m_log.isVisible());
    EXPECT_FALSE(menuOpen());

    // A third click is a new single click, not the second half of another pair.
    click(*icon, QSystemTrayIcon::Context);
    EXPECT_TRUE(menuOpen());
    EXPECT_TRUE(m_log.isVisible());
    click(*icon, QSystemTrayIcon::Context);
    EXPECT_FALSE(m_log.isVisible());
    EXPECT_TRUE(m_commands.isEmpty());
}

TEST_F(TrayIconTest, RightClicksFurtherApartAreSingleClicks)
{
    auto icon = makeIcon(1);
    click(*icon, QSystemTrayIcon::Context);
    QThread::msleep(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 60);
    m_view->menu()->hide();
    click(*icon, QSystemTrayIcon::Context);
    EXPECT_FALSE(m_log.isVisible());
    EXPECT_TRUE(menuOpen());
}

TEST_F(TrayIconTest, RightDoubleClickWithoutDebugLevelOpensTheMenu)
{
    auto icon = makeIcon(0);
    click(*icon, QSystemTrayIcon::Context);
    m_view->menu()->hide();
    click(*icon, QSystemTrayIcon::Context);
    EXPECT_TRUE(menuOpen());
    EXPECT_FALSE(m_log.isVisible());
}

} // namespace
} // namespace verbalink
