#include "translate/languages/LanguageSelection.h"

#include "QtPrinters.h"
#include "translate/languages/LanguageTables.h"

#include <atomic>
#include <climits>
#include <gtest/gtest.h>
#include <map>
#include <thread>

namespace verbalink {
namespace {

using namespace Qt::StringLiterals;

// Records the check marks as a menu would show them.
class RecordedMarks : public LanguageCheckMarks {
public:
    void setChecked(int commandId, bool checked) override
    {
        marks[commandId] = checked;
        ++calls;
    }
    std::vector<int> checkedIds() const
    {
        std::vector<int> ids;
        for (const auto& [id, checked] : marks) {
            if (checked)
                ids.push_back(id);
        }
        return ids;
    }

    std::map<int, bool> marks;
    int calls = 0;
};

struct ChoiceCase {
    LanguageMenu menu;
    int commandId;
    QByteArray code;
    QString flag;
};

void expectChoices(const LanguageSnapshot& state, const std::vector<ChoiceCase>& expected)
{
    for (const ChoiceCase& want : expected) {
        SCOPED_TRACE(languageMenuName(want.menu).toStdString());
        const LanguageChoice& got = state.choice(want.menu);
        EXPECT_EQ(got.commandId, want.commandId);
        EXPECT_EQ(got.code, want.code);
        EXPECT_EQ(got.flag, want.flag);
    }
}

const std::vector<ChoiceCase> DefaultChoices{
    {LanguageMenu::GoogleSource, 32785, "", u""_s},
    {LanguageMenu::GoogleTarget, 32825, "en", u"gb"_s},
    {LanguageMenu::Yahoo, 32869, "en_de", u"de"_s},
    {LanguageMenu::BingSource, 33001, "", u""_s},
    {LanguageMenu::BingTarget, 33022, "de", u"de"_s},
    {LanguageMenu::BabylonSource, 32940, "0", u""_s},
    {LanguageMenu::BabylonTarget, 32971, "6", u"de"_s},
    {LanguageMenu::SysTran, 33121, "en_de", u"de"_s},
    {LanguageMenu::PromtSource, 33208, "e", u""_s},
    {LanguageMenu::PromtTarget, 33218, "g", u"de"_s},
    {LanguageMenu::Incoming, 33254, "", u""_s},
};

TEST(LanguageSelection, StartsWithTheDefaultsAndNoMarks)
{
    RecordedMarks marks;
    const LanguageSelection selection(marks);
    const LanguageSnapshot state = selection.snapshot();
    expectChoices(state, DefaultChoices);
    EXPECT_EQ(state.translator, TranslatorId::Google);
    EXPECT_FALSE(state.incomingEnabled());
    EXPECT_EQ(marks.calls, 0);
}

TEST(LanguageSelection, SelectMovesTheCheckMarkWithinItsMenuOnly)
{
    RecordedMarks marks;
    LanguageSelection selection(marks);
    selection.restore(LanguageStoredIds());
    ASSERT_EQ(marks.marks[32869], true);

    EXPECT_TRUE(selection.select(LanguageMenu::Yahoo, 32870)); // English to Greek
    EXPECT_FALSE(marks.marks[32869]);
    EXPECT_TRUE(marks.marks[32870]);
    EXPECT_EQ(marks.checkedIds().size(), 12u); // eleven languages and the engine

    // Choosing the checked entry again keeps it checked.
    EXPECT_TRUE(selection.select(LanguageMenu::Yahoo, 32870));
    EXPECT_TRUE(marks.marks[32870]);

    // Another menu's id is not this menu's business.
    const int calls = marks.calls;
    EXPECT_FALSE(selection.select(LanguageMenu::Yahoo, 33121));
    EXPECT_FALSE(selection.select(LanguageMenu::GoogleSource, 32825));
    EXPECT_EQ(marks.calls, calls);
    EXPECT_EQ(selection.choice(LanguageMenu::GoogleSource).commandId, 32785);
}

TEST(LanguageSelection, ChoicesCarryTheEntryCodeAndOnlyTargetsAFlag)
{
    RecordedMarks marks;
    LanguageSelection selection(marks);
    const std::vector<ChoiceCase> cases{
        {LanguageMenu::GoogleSource, 32777, "zh-CN", u""_s},
        {LanguageMenu::GoogleTarget, 32820, "zh-TW", u"cn"_s},
        {LanguageMenu::GoogleTarget, 33385, "eo", u""_s}, // Esperanto has no flag
        {LanguageMenu::GoogleTarget, 33321, "autodetect", u"autodetect"_s},
        {LanguageMenu::BingSource, 33009, "he", u""_s},
        {LanguageMenu::BingTarget, 33018, "zh-CHT", u"cn"_s},
        {LanguageMenu::BingTarget, 33226, "ca", u"es"_s},
        {LanguageMenu::Incoming, 33283, "iw", u""_s},
        {LanguageMenu::PromtSource, 33207, "a", u""_s},
        {LanguageMenu::SysTran, 33114, "zh_en", u"gb"_s},
        {LanguageMenu::BabylonTarget, 33339, "344", u"es"_s},
    };
    for (const ChoiceCase& c : cases) {
        EXPECT_TRUE(selection.select(c.menu, c.commandId)) << c.commandId;
        expectChoices(selection.snapshot(), {c});
    }
}

TEST(LanguageSelection, IncomingIsEnabledForEveryChoiceButDisabled)
{
    RecordedMarks marks;
    LanguageSelection selection(marks);
    for (const auto& [id, enabled] :
         std::vector<std::pair<int, bool>>{{33343, true}, {33254, false}, {33272, true}}) {
        selection.route(id);
        EXPECT_EQ(selection.incomingEnabled(), enabled) << id;
        EXPECT_EQ(selection.snapshot().incomingEnabled(), enabled) << id;
    }
}

TEST(LanguageSelection, RoutingChangesOnlyTheMenuThatOwnsTheId)
{
    for (LanguageMenu owner : allLanguageMenus()) {
        for (const LanguageEntry& entry : LanguageTables::table(owner).entries()) {
            RecordedMarks marks;
            LanguageSelection selection(marks);
            const LanguageSnapshot before = selection.snapshot();
            ASSERT_TRUE(selection.route(entry.commandId));
            const LanguageSnapshot after = selection.snapshot();
            for (LanguageMenu menu : allLanguageMenus()) {
                if (menu == owner)
                    EXPECT_EQ(after.choice(menu).commandId, entry.commandId);
                else
                    EXPECT_EQ(after.choice(menu).commandId, before.choice(menu).commandId)
                        << entry.commandId << " reached " << languageMenuName(menu).toStdString();
            }
        }
    }
}

TEST(LanguageSelection, CommandsOfNoLanguageMenuChangeNothing)
{
    RecordedMarks marks;
    LanguageSelection selection(marks);
    selection.restore(LanguageStoredIds());
    const LanguageSnapshot before = selection.snapshot();
    const int calls = marks.calls;
    // Check for Updates, Exit-like ids, the engine entries, interface German, out of range.
    for (int id : {0, -1, 32857, 32900, 33203, 33387, 33223, 32860, 32899, 33112, 33165, 65535,
                   INT_MAX, INT_MIN}) {
        EXPECT_FALSE(selection.route(id)) << id;
    }
    EXPECT_EQ(marks.calls, calls);
    const LanguageSnapshot after = selection.snapshot();
    for (LanguageMenu menu : allLanguageMenus())
        EXPECT_EQ(after.choice(menu).commandId, before.choice(menu).commandId);
}

TEST(LanguageSelection, EngineNumbersOutsideTheRangeMeanGoogle)
{
    const std::vector<std::pair<int, TranslatorId>> cases{
        {1, TranslatorId::Google},       {2, TranslatorId::Yahoo},       {3, TranslatorId::Bing},
        {4, TranslatorId::Babylon},      {5, TranslatorId::SysTran},     {6, TranslatorId::Promt},
        {0, TranslatorId::Google},       {7, TranslatorId::Google},      {-3, TranslatorId::Google},
        {INT_MAX, TranslatorId::Google}, {INT_MIN, TranslatorId::Google}};
    const std::map<TranslatorId, int> entryOf{
        {TranslatorId::Google, 32900},  {TranslatorId::Yahoo, 32901},
        {TranslatorId::Bing, 32902},    {TranslatorId::Babylon, 32936},
        {TranslatorId::SysTran, 33109}, {TranslatorId::Promt, 33203}};
    RecordedMarks marks;
    LanguageSelection selection(marks);
    for (const auto& [number, translator] : cases) {
        selection.setTranslator(number);
        EXPECT_EQ(selection.translator(), translator) << number;
        EXPECT_EQ(marks.checkedIds(), std::vector<int>{entryOf.at(translator)}) << number;
        for (const auto& [each, id] : entryOf)
            EXPECT_TRUE(marks.marks.count(id)) << "entry " << id << " never cleared";
    }
    EXPECT_TRUE(selection.selectTranslatorCommand(33109));
    EXPECT_EQ(selection.translator(), TranslatorId::SysTran);
    EXPECT_FALSE(selection.selectTranslatorCommand(32785));
    EXPECT_EQ(selection.translator(), TranslatorId::SysTran);
    EXPECT_EQ(selection.storedIds().translator(), 5);
}

TEST(LanguageSelection, RestoreChecksTheDefaultsWhenNothingIsStored)
{
    RecordedMarks marks;
    LanguageSelection selection(marks);
    selection.restore(LanguageStoredIds());
    expectChoices(selection.snapshot(), DefaultChoices);
    EXPECT_EQ(marks.checkedIds(), (std::vector<int>{32785, 32825, 32869, 32900, 32940, 32971, 33001,
                                                    33022, 33121, 33208, 33218, 33254}));
}

TEST(LanguageSelection, RestoreKeepsTheDefaultForIdsNoEntryHas)
{
    RecordedMarks marks;
    LanguageSelection selection(marks);
    LanguageStoredIds stored;
    stored.setTranslator(99);
    stored.setCommandId(LanguageMenu::GoogleSource, 0);
    stored.setCommandId(LanguageMenu::GoogleTarget, 32785); // the source's Auto Detect
    stored.setCommandId(LanguageMenu::Yahoo, 33121);        // a SysTran pair
    stored.setCommandId(LanguageMenu::BingTarget, 33387);   // interface German
    stored.setCommandId(LanguageMenu::BabylonSource, -1);
    stored.setCommandId(LanguageMenu::Incoming, INT_MAX);
    stored.setCommandId(LanguageMenu::PromtTarget, 33325); // valid: Auto Detect (by Skype)
    selection.restore(stored);

    std::vector<ChoiceCase> expected = DefaultChoices;
    expected[static_cast<std::size_t>(languageMenuIndex(LanguageMenu::PromtTarget))] = {
        LanguageMenu::PromtTarget, 33325, "autodetect", u"autodetect"_s};
    expectChoices(selection.snapshot(), expected);
    EXPECT_EQ(selection.translator(), TranslatorId::Google);
    EXPECT_TRUE(marks.marks[32825]);
    EXPECT_TRUE(marks.marks[33022]);
    EXPECT_FALSE(marks.marks[33387]);
    for (int id : {0, -1, INT_MAX, 99})
        EXPECT_EQ(marks.marks.count(id), 0u) << id;
}

TEST(LanguageSelection, StoredCatalanAndRoundTripOfEveryChoice)
{
    RecordedMarks marks;
    LanguageSelection selection(marks);
    LanguageStoredIds stored;
    stored.setTranslator(3);
    const std::vector<std::pair<LanguageMenu, int>> chosen{
        {LanguageMenu::GoogleSource, 32777},  {LanguageMenu::GoogleTarget, 33385},
        {LanguageMenu::Yahoo, 32898},         {LanguageMenu::BingSource, 33323},
        {LanguageMenu::BingTarget, 33226},    {LanguageMenu::BabylonSource, 33337},
        {LanguageMenu::BabylonTarget, 33322}, {LanguageMenu::SysTran, 33164},
        {LanguageMenu::PromtSource, 33207},   {LanguageMenu::PromtTarget, 33221},
        {LanguageMenu::Incoming, 33343}};
    for (const auto& [menu, id] : chosen)
        stored.setCommandId(menu, id);
    selection.restore(stored);
    EXPECT_EQ(selection.choice(LanguageMenu::BingTarget).code, "ca");
    EXPECT_EQ(selection.choice(LanguageMenu::BingTarget).flag, u"es"_s);
    EXPECT_TRUE(marks.marks[33226]);
    EXPECT_TRUE(selection.incomingEnabled());
    EXPECT_EQ(selection.storedIds(), stored);

    // A second program start from the saved values comes back to the same state.
    RecordedMarks otherMarks;
    LanguageSelection other(otherMarks);
    other.restore(selection.storedIds());
    EXPECT_EQ(otherMarks.checkedIds(), marks.checkedIds());
    EXPECT_EQ(other.storedIds(), stored);
}

// A translation reading while the user changes menus sees each choice whole: its code and flag
// are always those of its command id.
TEST(LanguageSelection, ReadersNeverSeeAHalfChangedChoice)
{
    RecordedMarks marks;
    LanguageSelection selection(marks);
    std::atomic<bool> done{false};
    std::atomic<int> torn{0};
    std::thread reader([&] {
        while (!done) {
            const LanguageSnapshot state = selection.snapshot();
            for (LanguageMenu menu : {LanguageMenu::GoogleTarget, LanguageMenu::SysTran}) {
                const LanguageChoice& choice = state.choice(menu);
                const LanguageEntry* entry =
                    LanguageTables::table(menu).byCommand(choice.commandId);
                if (!entry || entry->code != choice.code || entry->flag != choice.flag)
                    ++torn;
            }
        }
    });
    for (int round = 0; round < 2000; ++round) {
        selection.route(round % 2 ? 32820 : 33385);
        selection.route(33113 + round % 52);
    }
    done = true;
    reader.join();
    EXPECT_EQ(torn, 0);
}

} // namespace
} // namespace verbalink
