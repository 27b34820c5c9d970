#include "app/menu/MenuModel.h"

#include "QStringPrinter.h"
#include "app/menu/MenuResource.h"
#include "platform/CommandId.h"

#include <gtest/gtest.h>

namespace verbalink {
namespace {

using namespace Qt::StringLiterals;

class MenuModelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto result = MenuResource::parse(R"({"format": 1, "items": [
            {"id": 10, "text": "Toggle"},
            {"text": "Languages", "items": [
                {"id": 20, "text": "Auto", "group": "lang"},
                {"separator": true},
                {"id": 21, "text": "English", "group": "lang"},
                {"id": 22, "text": "German", "group": "lang"},
                {"id": 23, "text": "In chat"}
            ]},
            {"text": "Pairs", "items": [
                {"id": 30, "text": "en_de", "group": "pair"},
                {"id": 31, "text": "de_en", "group": "pair"}
            ]},
            {"text": "Spell", "items": [
                {"id": 40, "text": "Disabled", "group": "dic"}
            ]}]})");
        ASSERT_TRUE(result.root) << result.error.toStdString();
        m_model = std::make_unique<MenuModel>(std::move(result.root));
        QObject::connect(m_model.get(), &MenuModel::itemChanged,
                         [this](const MenuItem* item) { m_changed.push_back(item); });
        QObject::connect(m_model.get(), &MenuModel::submenuChanged,
                         [this](const MenuItem* menu) { m_restructured.push_back(menu); });
    }

    MenuModel& model() { return *m_model; }
    bool checked(int id) { return model().find(id)->isChecked(); }

    std::unique_ptr<MenuModel> m_model;
    std::vector<const MenuItem*> m_changed;
    std::vector<const MenuItem*> m_restructured;
};

TEST_F(MenuModelTest, FindsByIdAndPosition)
{
    const MenuItem* german = model().find(22);
    ASSERT_TRUE(german);
    EXPECT_EQ(german->text(), u"German");
    EXPECT_EQ(model().pathOf(german), (MenuPath{1, 3}));
    EXPECT_EQ(model().itemAt({1, 3}), german);
    EXPECT_EQ(model().itemAt({}), &model().root());
    EXPECT_EQ(model().pathOf(&model().root()), MenuPath());

    EXPECT_EQ(model().find(0), nullptr);
    EXPECT_EQ(model().find(99), nullptr);
    EXPECT_EQ(model().itemAt({1, 5}), nullptr);
    EXPECT_EQ(model().itemAt({-1}), nullptr);
    EXPECT_EQ(model().itemAt({0, 0}), nullptr);
    EXPECT_EQ(model().commandIds({1}), (QList<int>{20, 21, 22, 23}));
    EXPECT_EQ(model().commandIds({7}), QList<int>());
}

TEST_F(MenuModelTest, SetsTextByIdAndByPosition)
{
    EXPECT_TRUE(model().setText(22, u"Deutsch"_s));
    EXPECT_TRUE(model().setTextAt({1}, u"Sprachen"_s));
    EXPECT_TRUE(model().setTextAt({1, 0}, u" Auto Detect"_s));
    EXPECT_EQ(model().find(22)->text(), u"Deutsch");
    EXPECT_EQ(model().itemAt({1})->text(), u"Sprachen");
    EXPECT_EQ(model().find(20)->text(), u" Auto Detect");
    EXPECT_EQ(m_changed, (std::vector<const MenuItem*>{model().find(22), model().itemAt({1}),
                                                       model().find(20)}));

    m_changed.clear();
    EXPECT_TRUE(model().setText(22, u"Deutsch"_s)); // unchanged: no notification
    EXPECT_FALSE(model().setText(99, u"x"_s));
    EXPECT_FALSE(model().setTextAt({9}, u"x"_s));
    EXPECT_FALSE(model().setTextAt({}, u"x"_s));
    EXPECT_TRUE(m_changed.empty());
}

TEST_F(MenuModelTest, CheckOneOfAGroupLeavesOtherMarksAlone)
{
    model().setChecked(23, true);
    model().checkInGroup(30);
    model().checkInGroup(21);
    EXPECT_TRUE(checked(21));

    m_changed.clear();
    EXPECT_TRUE(model().checkInGroup(22));
    EXPECT_FALSE(checked(21));
    EXPECT_TRUE(checked(22));
    EXPECT_FALSE(checked(20));
    EXPECT_TRUE(checked(23)) << "an entry outside the group keeps its mark";
    EXPECT_TRUE(checked(30)) << "another menu keeps its mark";
    EXPECT_EQ(m_changed, (std::vector<const MenuItem*>{model().find(21), model().find(22)}));

    EXPECT_TRUE(model().checkInGroup(10)); // no group: just checked
    EXPECT_TRUE(checked(10));
    EXPECT_FALSE(model().checkInGroup(99));

    model().clearGroup(u"lang"_s);
    for (int id : {20, 21, 22})
        EXPECT_FALSE(checked(id));
    EXPECT_TRUE(checked(23));

    EXPECT_TRUE(model().setChecked(23, false));
    EXPECT_FALSE(checked(23));
}

TEST_F(MenuModelTest, EnabledAndImages)
{
    EXPECT_TRUE(model().setEnabled(10, false));
    EXPECT_FALSE(model().find(10)->isEnabled());
    EXPECT_TRUE(model().setImage(10, u"icon-translation-on"_s));
    EXPECT_TRUE(model().setImageAt({1}, u"icon-lang"_s));
    EXPECT_EQ(model().find(10)->imageKey(), u"icon-translation-on");
    EXPECT_EQ(model().itemAt({1})->imageKey(), u"icon-lang");
    EXPECT_EQ(m_changed.size(), 3u);
    EXPECT_FALSE(model().setImage(99, u"x"_s));
    EXPECT_FALSE(model().setEnabled(99, false));
}

TEST_F(MenuModelTest, AppendsAndRemovesRunTimeEntries)
{
    const MenuPath spell{3};
    EXPECT_TRUE(model().appendItem(spell, 5000, u"en_US.dic"_s, u"dic"_s));
    EXPECT_TRUE(model().appendItem(spell, 5001, u"de_DE.dic"_s, u"dic"_s));
    EXPECT_TRUE(model().appendSeparator(spell, 5101));
    EXPECT_TRUE(model().appendItem(spell, CommandId::AddDictionaries, u"Add Dictionaries"_s));
    EXPECT_EQ(model().commandIds(spell), (QList<int>{40, 5000, 5001, CommandId::AddDictionaries}));
    EXPECT_TRUE(model().itemAt({3, 3})->isSeparator());
    EXPECT_EQ(model().find(5101), model().itemAt({3, 3}));
    EXPECT_EQ(m_restructured.size(), 4u);
    EXPECT_EQ(m_restructured.front(), model().itemAt(spell));

    // An id names one entry; entries go into submenus only.
    EXPECT_FALSE(model().appendItem(spell, 5000, u"again"_s));
    EXPECT_FALSE(model().appendItem({1}, 22, u"German again"_s));
    EXPECT_FALSE(model().appendSeparator(spell, 5101));
    EXPECT_FALSE(model().appendItem({0}, 5003, u"under a command"_s));
    EXPECT_FALSE(model().appendItem({8}, 5003, u"nowhere"_s));
    EXPECT_FALSE(model().appendItem(spell, 0, u"no id"_s));
    EXPECT_EQ(m_restructured.size(), 4u);

    EXPECT_TRUE(model().checkInGroup(5001));
    EXPECT_FALSE(checked(40));
    EXPECT_TRUE(model().checkInGroup(40));
    EXPECT_FALSE(checked(5001));

    EXPECT_EQ(model().removeAppended(spell), 4);
    EXPECT_EQ(model().commandIds(spell), QList<int>{40});
    EXPECT_EQ(model().find(5000), nullptr);
    EXPECT_EQ(m_restructured.size(), 5u);
    EXPECT_EQ(model().removeAppended(spell), 0);
    EXPECT_EQ(model().removeAppended({1}), 0) << "resource entries stay";
    EXPECT_EQ(m_restructured.size(), 5u);
    EXPECT_TRUE(model().appendItem(spell, 5000, u"en_US.dic"_s)) << "the id is free again";
}

TEST_F(MenuModelTest, VoiceListOfTheTrayMenu)
{
    auto result = MenuResource::readTrayMenu();
    ASSERT_TRUE(result.root);
    MenuModel tray(std::move(result.root));
    const QList<int> voices = tray.commandIds({22, 0});
    ASSERT_EQ(voices.size(), 11);
    EXPECT_EQ(voices.front(), CommandId::VoiceDisabled);
    EXPECT_EQ(tray.commandIds({22, 1}),
              (QList<int>{CommandId::EffectDisabled, CommandId::EffectEcho,
                          CommandId::EffectEchoMultiple, CommandId::EffectChorus}));

    // Speech voices arrive at run time after "Disabled", then the help entries.
    EXPECT_TRUE(tray.appendItem({5}, 5500, u"English (America)"_s, u"speech-voice"_s));
    EXPECT_TRUE(tray.appendSeparator({5}, 5601));
    EXPECT_TRUE(tray.appendItem({5}, CommandId::SpeechHelp, u"Help"_s));
    EXPECT_EQ(tray.groupIds(u"speech-voice"_s), (QList<int>{CommandId::SpeechDisabled, 5500}));
    EXPECT_EQ(tray.removeAppended({5}), 3);
}

} // namespace
} // namespace verbalink
