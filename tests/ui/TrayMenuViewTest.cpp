#include "ui/TrayMenuView.h"

#include "app/menu/MenuDecoration.h"
#include "app/menu/MenuModel.h"
#include "app/menu/MenuResource.h"
#include "platform/CommandId.h"
#include "ui/MenuIconMap.h"

#include <QAction>
#include <QMenu>
#include <QPixmap>
#include <gtest/gtest.h>

namespace verbalink {
namespace {

using namespace Qt::StringLiterals;

QIcon solidIcon(Qt::GlobalColor color)
{
    QPixmap pixmap(13, 9);
    pixmap.fill(color);
    return QIcon(pixmap);
}

class TrayMenuViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto result = MenuResource::readTrayMenu();
        ASSERT_TRUE(result.root) << result.error.toStdString();
        m_model = std::make_unique<MenuModel>(std::move(result.root));
        MenuDecoration(*m_model).applyFlags();
        m_icons.insert(u"flag-us"_s, m_usFlag);
        m_icons.insert(u"icon-exit"_s, m_exitIcon);
        m_view = std::make_unique<TrayMenuView>(*m_model, m_icons);
        QObject::connect(m_view.get(), &TrayMenuView::commandTriggered,
                         [this](int id) { m_triggered.push_back(id); });
    }

    QAction* action(int id) const { return m_view->actionFor(m_model->find(id)); }
    QMenu* submenu(const MenuPath& path) const
    {
        QAction* action = m_view->actionFor(m_model->itemAt(path));
        return action ? action->menu() : nullptr;
    }
    // Compares one QMenu with one model submenu, all the way down.
    void expectMirrors(const QMenu& menu, const MenuItem& submenu) const;

    QIcon m_usFlag = solidIcon(Qt::blue);
    QIcon m_exitIcon = solidIcon(Qt::red);
    MenuIconMap m_icons;
    std::unique_ptr<MenuModel> m_model;
    std::unique_ptr<TrayMenuView> m_view;
    std::vector<int> m_triggered;
};

void TrayMenuViewTest::expectMirrors(const QMenu& menu, const MenuItem& submenu) const
{
    const QList<QAction*> actions = menu.actions();
    ASSERT_EQ(actions.size(), submenu.childCount()) << submenu.text().toStdString();
    for (int i = 0; i < submenu.childCount(); ++i) {
        const MenuItem& item = *submenu.child(i);
        QAction* action = actions[i];
        EXPECT_EQ(m_view->actionFor(&item), action);
        EXPECT_EQ(action->isSeparator(), item.isSeparator());
        if (item.isSeparator())
            continue;
        EXPECT_EQ(action->text(), item.text());
        EXPECT_EQ(action->isEnabled(), item.isEnabled());
        EXPECT_EQ(action->isChecked(), item.isChecked()) << item.commandId();
        const QIcon expected = m_icons.icon(item.imageKey());
        EXPECT_EQ(action->icon().cacheKey(), expected.cacheKey()) << item.text().toStdString();
        EXPECT_EQ(action->menu() != nullptr, item.isSubmenu());
        if (action->menu())
            expectMirrors(*action->menu(), item);
    }
}

TEST_F(TrayMenuViewTest, MenuTreeMirrorsTheModel)
{
    expectMirrors(*m_view->menu(), m_model->root());
    EXPECT_EQ(m_view->menu()->actions().size(), 30);
    EXPECT_FALSE(action(32782)->icon().isNull()); // English, flag of the United States
    EXPECT_TRUE(action(32789)->icon().isNull());  // German: no image supplied in this test
}

TEST_F(TrayMenuViewTest, ModelChangesReachTheMenu)
{
    m_model->setText(CommandId::ToggleTranslation, u"Enable Translation"_s);
    m_model->setTextAt({22, 4}, u"Musik"_s);
    m_model->checkInGroup(32869);
    m_model->checkInGroup(32870);
    m_model->setChecked(CommandId::ShowTransliteration, true);
    m_model->setEnabled(CommandId::ViewDecrypted, false);
    m_model->setImage(CommandId::ToggleTranslation, u"icon-exit"_s);
    m_model->setImage(CommandId::Exit, QString());

    EXPECT_EQ(action(CommandId::ToggleTranslation)->text(), u"Enable Translation");
    EXPECT_EQ(submenu({22, 4})->title(), u"Musik");
    EXPECT_FALSE(action(32869)->isChecked());
    EXPECT_TRUE(action(32870)->isCheckable());
    EXPECT_TRUE(action(32870)->isChecked());
    EXPECT_TRUE(action(CommandId::ShowTransliteration)->isChecked());
    EXPECT_FALSE(action(CommandId::ViewDecrypted)->isEnabled());
    EXPECT_EQ(action(CommandId::ToggleTranslation)->icon().cacheKey(), m_exitIcon.cacheKey());
    EXPECT_TRUE(action(CommandId::Exit)->icon().isNull());
    expectMirrors(*m_view->menu(), m_model->root());
}

TEST_F(TrayMenuViewTest, AppendedEntriesComeAndGo)
{
    m_model->appendItem({4}, 5000, u"en_US.dic"_s, u"dictionary"_s);
    m_model->appendSeparator({4}, 5101);
    m_model->appendItem({4}, CommandId::DictionaryHelp, u"Help"_s);
    QMenu* spell = submenu({4});
    ASSERT_TRUE(spell);
    ASSERT_EQ(spell->actions().size(), 4);
    EXPECT_EQ(spell->actions()[1]->text(), u"en_US.dic");
    EXPECT_TRUE(spell->actions()[2]->isSeparator());

    m_model->checkInGroup(5000);
    EXPECT_TRUE(action(5000)->isChecked());
    action(5000)->trigger();
    action(CommandId::DictionaryHelp)->trigger();
    EXPECT_EQ(m_triggered, (std::vector<int>{5000, CommandId::DictionaryHelp}));

    m_model->removeAppended({4});
    EXPECT_EQ(submenu({4}), spell) << "the submenu itself stays";
    ASSERT_EQ(spell->actions().size(), 1);
    EXPECT_EQ(spell->actions()[0], action(CommandId::DictionaryDisabled));
    expectMirrors(*m_view->menu(), m_model->root());

    // A later change to the remaining entry still reaches its action.
    m_model->setText(CommandId::DictionaryDisabled, u"Aus"_s);
    EXPECT_EQ(spell->actions()[0]->text(), u"Aus");
}

TEST_F(TrayMenuViewTest, ChoosingAnEntryReportsItsIdAndLeavesTheMarkToTheModel)
{
    m_model->setChecked(CommandId::DecryptedAutoPopup, true);
    action(CommandId::DecryptedAutoPopup)->trigger(); // a checked toggle
    action(32869)->trigger();                         // an unchecked language entry
    action(CommandId::Exit)->trigger();
    EXPECT_EQ(m_triggered,
              (std::vector<int>{CommandId::DecryptedAutoPopup, 32869, CommandId::Exit}));
    EXPECT_TRUE(action(CommandId::DecryptedAutoPopup)->isChecked());
    EXPECT_FALSE(action(32869)->isChecked());

    // Submenus and separators report nothing.
    m_view->actionFor(m_model->itemAt({8}))->trigger();
    EXPECT_EQ(m_triggered.size(), 3u);
}

TEST_F(TrayMenuViewTest, GermanInterfaceAndBingCatalanAreTwoCommands)
{
    m_view->actionFor(m_model->findStored(u"interface-language"_s, 33226))->trigger();
    m_view->actionFor(m_model->findStored(u"bing-to"_s, 33226))->trigger();
    EXPECT_EQ(m_triggered, (std::vector<int>{33387, 33226}));
}

} // namespace
} // namespace verbalink
