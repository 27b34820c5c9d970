#include "translate/filter/TranslationFilterForm.h"

#include "FakeContacts.h"
#include "FakeMessageBox.h"
#include "QtPrinters.h"
#include "translate/filter/TranslationFilter.h"
#include "translate/filter/TranslationRuleLanguages.h"

#include <gtest/gtest.h>

namespace verbalink {
namespace {

using namespace Qt::StringLiterals;

const QString SelectFirst = u"Please, first select an user from the list!"_s;

class TranslationFilterFormTest : public ::testing::Test {
protected:
    QString stored = u"zed|xx,gone|fr,alice,bob|de"_s;
    int writes = 0;
    TranslationFilterStore store{[this] { return stored; },
                                 [this](const QString& text) {
                                     stored = text;
                                     ++writes;
                                     return true;
                                 }};
    test::FakeContacts contacts{
        {{u"bob"_s, u"Bob Smith"_s}, {u"alice"_s, QString()}, {u"carol"_s, u"Carol"_s}}};
    test::FakeMessageBox boxes;
    TranslationFilter filter;
    TranslationFilterForm form{filter, store, contacts.lookups(), boxes};

    void SetUp() override
    {
        filter.load(store);
        form.open({u"Bob Smith"_s, u"alice"_s, u"Carol"_s});
    }

    qsizetype rowOf(const QString& user) const
    {
        const QStringList lines = form.lines();
        for (qsizetype i = 0; i < lines.size(); ++i)
            if (TranslationFilterForm::userTextOf(lines.at(i)) == user)
                return i;
        return -1;
    }
};

TEST_F(TranslationFilterFormTest, OpeningShowsOneLinePerRule)
{
    EXPECT_TRUE(form.isOpen());
    EXPECT_EQ(form.contactEntries(), QStringList({u"Bob Smith"_s, u"alice"_s, u"Carol"_s}));
    // A contact no longer known shows its handle, an unknown code shows no name.
    EXPECT_EQ(form.lines(), QStringList({u"zed\t -> "_s, u"gone\t -> French"_s,
                                         u"alice\t -> DISABLED"_s, u"Bob Smith\t -> German"_s}));
    // The names looked up are kept; the unknown handles stay without one.
    EXPECT_EQ(filter.rules().at(3).displayText, u"Bob Smith"_s);
    EXPECT_EQ(filter.rules().at(2).displayText, u"alice"_s);
    EXPECT_EQ(filter.rules().at(0).displayText, QString());
}

TEST_F(TranslationFilterFormTest, AddTakesKnownContactsOnce)
{
    EXPECT_TRUE(form.add(u"Carol"_s));
    EXPECT_EQ(form.lines().last(), u"Carol\t -> DISABLED"_s);
    EXPECT_TRUE(filter.filterExcludes(u"carol"_s));

    const QStringList before = form.lines();
    EXPECT_FALSE(form.add(u"Carol"_s));
    EXPECT_FALSE(form.add(u"carol"_s)); // the same contact by its handle
    EXPECT_FALSE(form.add(u"Nobody"_s));
    EXPECT_FALSE(form.add(QString()));
    EXPECT_FALSE(form.add(u"Carol"_s + QString(300, u' ')));
    EXPECT_EQ(form.lines(), before);
    EXPECT_EQ(filter.rules().size(), 5);
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(TranslationFilterFormTest, AddReadsAtMost255Characters)
{
    const QString longName(255, u'n');
    contacts.contacts.append({u"long"_s, longName});
    EXPECT_TRUE(form.add(longName + u"tail"_s));
    EXPECT_EQ(form.lines().last(), longName + u"\t -> DISABLED"_s);
}

TEST_F(TranslationFilterFormTest, RemoveNeedsASelection)
{
    const QStringList before = form.lines();
    EXPECT_FALSE(form.remove(-1));
    EXPECT_FALSE(form.remove(before.size()));
    ASSERT_EQ(boxes.boxes().size(), 2);
    EXPECT_EQ(boxes.boxes().at(0).text, SelectFirst);
    EXPECT_TRUE(boxes.boxes().at(0).caption.isEmpty());
    EXPECT_EQ(form.lines(), before);

    EXPECT_TRUE(form.remove(rowOf(u"Bob Smith"_s)));
    EXPECT_TRUE(form.remove(rowOf(u"gone"_s)));
    EXPECT_EQ(form.lines(), QStringList({u"zed\t -> "_s, u"alice\t -> DISABLED"_s}));
    EXPECT_TRUE(filter.perUserLanguage(u"bob"_s).isEmpty());
    EXPECT_EQ(filter.savedText(), u"alice|00,zed|xx"_s);

    form.removeAll();
    EXPECT_TRUE(form.lines().isEmpty());
    EXPECT_FALSE(filter.hasRules());
}

TEST_F(TranslationFilterFormTest, EditingStartsFromTheLinesLanguage)
{
    EXPECT_FALSE(form.beginEdit(-1).has_value());
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes().at(0).text, SelectFirst);

    const struct {
        QString user;
        QString selectedName;
    } cases[] = {
        {u"Bob Smith"_s, u"German"_s},
        {u"alice"_s, u"DISABLED"_s},
        {u"zed"_s, u"DISABLED"_s}, // a code the table does not hold
    };
    for (const auto& c : cases) {
        const auto edit = form.beginEdit(rowOf(c.user));
        ASSERT_TRUE(edit.has_value());
        EXPECT_EQ(edit->userText(), c.user);
        EXPECT_EQ(TranslationRuleEditForm::languageNames().at(edit->selectedIndex()),
                  c.selectedName);
    }
}

TEST_F(TranslationFilterFormTest, ApplyChangesTheRuleAndMovesItsLineLast)
{
    const qsizetype row = rowOf(u"alice"_s);
    auto edit = form.beginEdit(row);
    ASSERT_TRUE(edit.has_value());
    edit->select(TranslationRuleLanguages::indexOfName(u"French"_s));
    edit->apply();
    EXPECT_TRUE(form.finishEdit(row, *edit));
    EXPECT_EQ(form.lines().last(), u"alice\t -> French"_s);
    EXPECT_EQ(form.lines().size(), 4);
    EXPECT_EQ(filter.perUserLanguage(u"alice"_s), "fr");
    EXPECT_FALSE(filter.isExcluded(u"alice"_s));

    // A rule whose contact is gone is found by its handle and still edited.
    const qsizetype goneRow = rowOf(u"gone"_s);
    auto gone = form.beginEdit(goneRow);
    gone->select(0);
    gone->apply();
    EXPECT_TRUE(form.finishEdit(goneRow, *gone));
    EXPECT_TRUE(filter.isExcluded(u"gone"_s));
    EXPECT_EQ(form.lines().last(), u"gone\t -> DISABLED"_s);
}

TEST_F(TranslationFilterFormTest, CancelChangesNothing)
{
    const QStringList before = form.lines();
    const qsizetype row = rowOf(u"Bob Smith"_s);
    auto edit = form.beginEdit(row);
    edit->select(0);
    EXPECT_EQ(edit->cancel(), TranslationRuleEditForm::Cancelled);
    EXPECT_TRUE(edit->chosenCode().isEmpty());
    EXPECT_FALSE(form.finishEdit(row, *edit));
    EXPECT_EQ(form.lines(), before);
    EXPECT_EQ(filter.perUserLanguage(u"bob"_s), "de");
    EXPECT_EQ(writes, 0);
}

TEST_F(TranslationFilterFormTest, TheEditFormKeepsItsChoiceInsideTheTable)
{
    TranslationRuleEditForm edit(u"bob"_s, u"cy"_s);
    EXPECT_EQ(edit.selectedIndex(), 63);
    edit.select(65);
    edit.select(-1);
    EXPECT_EQ(edit.selectedIndex(), 63);
    EXPECT_TRUE(edit.chosenCode().isEmpty());
    EXPECT_EQ(edit.apply(), TranslationRuleEditForm::Applied);
    EXPECT_EQ(edit.chosenCode(), u"cy"_s);
    EXPECT_EQ(edit.chosenName(), u"Welsh"_s);
    EXPECT_EQ(TranslationRuleEditForm::languageNames().size(), 65);
}

TEST_F(TranslationFilterFormTest, CloseStoresTheRulesAndReportsTheCheckMark)
{
    ASSERT_TRUE(form.add(u"Carol"_s));
    auto result = form.close();
    EXPECT_TRUE(result.menuChecked);
    EXPECT_TRUE(result.saved);
    EXPECT_FALSE(form.isOpen());
    // Written last rule first: the stored text was read in the other order.
    EXPECT_EQ(stored, u"carol|00,bob|de,alice|00,gone|fr,zed|xx"_s);

    form.open({});
    form.removeAll();
    result = form.close();
    EXPECT_FALSE(result.menuChecked);
    EXPECT_EQ(stored, QString());
    EXPECT_EQ(writes, 2);
}

} // namespace
} // namespace verbalink
