#include "ui/MenuImageResources.h"

#include "app/menu/MenuDecoration.h"
#include "app/menu/MenuModel.h"
#include "app/menu/MenuResource.h"

#include <QFile>
#include <QImage>
#include <QSet>
#include <gtest/gtest.h>

// Every picture the decorated tray menu names is built into the program and draws, sharp at
// twice the scale too.

namespace verbalink {
namespace {

using namespace Qt::StringLiterals;

class MenuImageResourcesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto result = MenuResource::readTrayMenu();
        ASSERT_TRUE(result.root) << result.error.toStdString();
        m_menu = std::make_unique<MenuModel>(std::move(result.root));
        MenuDecoration decoration(*m_menu);
        decoration.applyFlags();
        decoration.applyIcons(true);
    }
    // Expects the key's picture to be built in and to draw at the menu's icon size.
    void expectDrawn(const QString& key) const
    {
        const QString path = MenuImageResources::resourcePath(key);
        EXPECT_TRUE(path.startsWith(u":/")) << key.toStdString();
        EXPECT_TRUE(QFile::exists(path)) << key.toStdString();
        EXPECT_FALSE(m_images.icon(key).pixmap(16).isNull()) << key.toStdString();
    }

    std::unique_ptr<MenuModel> m_menu;
    MenuImageResources m_images;
};

TEST_F(MenuImageResourcesTest, EveryLanguageEntryShowsABuiltInFlag)
{
    const QList<MenuPath> languageMenus = {{6},     {8, 0},  {8, 1}, {9, 0},  {9, 1}, {10},
                                           {11, 0}, {11, 1}, {12},   {13, 0}, {13, 1}};
    // the automatic and "Disabled" entries, "Translate in chat dialog"
    const QSet<int> noLanguage = {33343, 33254, 33354, 32785, 33321,
                                  33001, 33324, 33322, 33207, 33325};
    int flagged = 0;
    for (const MenuPath& path : languageMenus) {
        for (int id : m_menu->commandIds(path)) {
            if (noLanguage.contains(id))
                continue;
            const QString key = m_menu->find(id)->imageKey();
            EXPECT_TRUE(key.startsWith(u"flag-")) << id;
            expectDrawn(key);
            ++flagged;
        }
    }
    // Google 62 + 63, incoming 63, Babylon 2 × 31, Yahoo 38, Bing 2 × 36, SysTran 52, Promt 2 × 7
    EXPECT_EQ(flagged, 426);
    EXPECT_TRUE(MenuImageResources::resourcePath(u"flag-eo"_s).endsWith(u".svg"));
}

TEST_F(MenuImageResourcesTest, IconsAndLettermarksAreSvgRenderedAtTheDisplaysScale)
{
    QStringList keys;
    for (int position = 0; position < m_menu->root().childCount(); ++position)
        keys.append(m_menu->itemAt({position})->imageKey());
    keys.append(u"icon-on"_s);
    keys.removeAll(QString());
    ASSERT_EQ(keys.size(), 27);
    for (const QString& key : keys) {
        expectDrawn(key);
        EXPECT_TRUE(MenuImageResources::resourcePath(key).endsWith(u".svg"));
        const QPixmap doubled = m_images.icon(key).pixmap(QSize(16, 16), 2.0);
        EXPECT_EQ(doubled.size(), QSize(32, 32)) << key.toStdString();
    }
}

TEST_F(MenuImageResourcesTest, FlagsDoubleEveryPixelAtTwiceTheScale)
{
    const QIcon flag = m_images.icon(u"flag-de"_s);
    const QImage single = flag.pixmap(QSize(16, 11), 1.0).toImage();
    const QImage doubled = flag.pixmap(QSize(16, 11), 2.0).toImage();
    ASSERT_EQ(single.size(), QSize(16, 11));
    ASSERT_EQ(doubled.size(), QSize(32, 22));
    for (int y = 0; y < 22; ++y) {
        for (int x = 0; x < 32; ++x)
            ASSERT_EQ(doubled.pixel(x, y), single.pixel(x / 2, y / 2)) << x << "," << y;
    }
}

TEST_F(MenuImageResourcesTest, KeysWithoutAPictureShowNone)
{
    for (const QString& key : {u""_s, u"flag-zz"_s, u"flag-"_s, u"icon-nothing"_s, u"FLAG-DE"_s,
                               u"flag-../../menu/tray-menu"_s, u"logo-google.svg"_s}) {
        EXPECT_TRUE(MenuImageResources::resourcePath(key).isEmpty()) << key.toStdString();
        EXPECT_TRUE(m_images.icon(key).isNull()) << key.toStdString();
    }
}

} // namespace
} // namespace verbalink
