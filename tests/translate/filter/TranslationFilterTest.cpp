#include "translate/filter/TranslationFilter.h"

#include "QtPrinters.h"
#include "translate/filter/TranslationFilterStore.h"
#include "translate/filter/TranslationRuleLanguages.h"
#include "translate/filter/TranslationRuleText.h"

#include <QSet>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace verbalink {
namespace {

using namespace Qt::StringLiterals;

// "handle=code" pairs, for compact expectations.
QStringList pairs(const QList<TranslationRule>& rules)
{
    QStringList result;
    for (const TranslationRule& rule : rules)
        result.append(rule.handle + u'=' + rule.code);
    return result;
}

TEST(TranslationFilterTest, EverySaveAndLoadReversesTheList)
{
    TranslationFilter filter;
    filter.loadText(u"bob|de,alice"_s);
    EXPECT_EQ(pairs(filter.rules()), QStringList({u"bob=de"_s, u"alice=00"_s}));
    EXPECT_EQ(filter.savedText(), u"alice|00,bob|de"_s);

    filter.loadText(filter.savedText());
    EXPECT_EQ(pairs(filter.rules()), QStringList({u"alice=00"_s, u"bob=de"_s}));
    EXPECT_EQ(filter.savedText(), u"bob|de,alice|00"_s);
    for (const TranslationRule& rule : filter.rules())
        EXPECT_TRUE(rule.displayText.isEmpty());
}

TEST(TranslationFilterTest, MalformedStoredTextsLoadWhatTheyCan)
{
    const struct {
        QString text;
        QStringList expected;
    } cases[] = {
        {QString(), {}},
        {u",,,"_s, {}},
        {u"|||,|,"_s, {}},
        {u"bob|"_s, {u"bob=00"_s}},
        {u"|bob"_s, {u"bob=00"_s}},
        {u"bob||fr|extra|more"_s, {u"bob=fr"_s}},
        {u",,bob|de,,,alice,,"_s, {u"bob=de"_s, u"alice=00"_s}},
        {u"bob|de,bob|fr,bob"_s, {u"bob=de"_s}},
        {u"bob|not a code"_s, {u"bob=not a code"_s}},
        {u"live:ælf|zh-hans"_s, {u"live:ælf=zh-hans"_s}},
        {u" bob | de "_s, {u" bob = de "_s}},
    };
    for (const auto& c : cases) {
        TranslationFilter filter;
        filter.loadText(c.text);
        EXPECT_EQ(pairs(filter.rules()), c.expected) << c.text.toStdString();
    }
}

TEST(TranslationFilterTest, HugeStoredTextsLoadInLinearTime)
{
    // 200000 rules, half of them repeats: a quadratic duplicate check would not finish.
    QStringList pieces;
    for (int i = 0; i < 200000; ++i)
        pieces.append(u"user"_s + QString::number(i % 100000) + u"|de"_s);
    TranslationFilter filter;
    filter.loadText(pieces.join(u','));
    ASSERT_EQ(filter.rules().size(), 100000);
    EXPECT_EQ(filter.perUserLanguage(u"user99999"_s), "de");

    const QString longHandle(1 << 20, u'x');
    filter.loadText(longHandle + u"|fr,"_s + QString(1 << 20, u','));
    EXPECT_EQ(filter.perUserLanguage(longHandle), "fr");
    EXPECT_EQ(TranslationRuleText::format(filter.rules()).size(), (1 << 20) + 3);
}

TEST(TranslationFilterTest, LookupsFollowTheFirstRuleOfTheHandle)
{
    TranslationFilter filter;
    EXPECT_FALSE(filter.hasRules());
    EXPECT_FALSE(filter.filterExcludes(u"alice"_s));
    EXPECT_TRUE(filter.perUserLanguage(u"alice"_s).isEmpty());

    filter.loadText(u"bob|fr,alice,carol|xx-unknown,Dave|de"_s);
    EXPECT_TRUE(filter.hasRules());
    const struct {
        QString handle;
        bool excluded;
        QByteArray language;
    } cases[] = {
        {u"bob"_s, false, "fr"},  {u"alice"_s, true, ""}, {u"carol"_s, false, "xx-unknown"},
        {u"dave"_s, false, ""}, // handles are exact
        {u"Dave"_s, false, "de"}, {QString(), false, ""}, {u"nobody"_s, false, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(filter.isExcluded(c.handle), c.excluded) << c.handle.toStdString();
        EXPECT_EQ(filter.filterExcludes(c.handle), c.excluded) << c.handle.toStdString();
        EXPECT_EQ(filter.perUserLanguage(c.handle), c.language) << c.handle.toStdString();
    }
}

TEST(TranslationFilterTest, EditsKeepOneRulePerHandle)
{
    TranslationFilter filter;
    EXPECT_FALSE(filter.addRule({u"Nobody"_s, QString(), u"00"_s}));
    EXPECT_TRUE(filter.addRule({u"Bob Smith"_s, u"bob"_s, u"00"_s}));
    EXPECT_FALSE(filter.addRule({u"Bob again"_s, u"bob"_s, u"fr"_s}));
    EXPECT_TRUE(filter.addRule({QString(), u"alice"_s, u"00"_s}));
    EXPECT_EQ(pairs(filter.rules()), QStringList({u"bob=00"_s, u"alice=00"_s}));

    EXPECT_FALSE(filter.setLanguage(QString(), u"de"_s));
    EXPECT_TRUE(filter.setLanguage(u"alice"_s, u"de"_s));
    EXPECT_TRUE(filter.setLanguageByText(u"Bob Smith"_s, u"fr"_s));
    EXPECT_FALSE(filter.setLanguageByText(QString(), u"fr"_s));
    EXPECT_EQ(pairs(filter.rules()), QStringList({u"bob=fr"_s, u"alice=de"_s}));

    // Removal matches the display text or the handle.
    EXPECT_FALSE(filter.removeByText(u"Alice"_s));
    EXPECT_TRUE(filter.removeByText(u"alice"_s));
    EXPECT_TRUE(filter.removeByText(u"Bob Smith"_s));
    EXPECT_TRUE(filter.isEmpty());

    filter.loadText(u"a,b"_s);
    filter.clear();
    EXPECT_FALSE(filter.hasRules());
}

TEST(TranslationFilterTest, LoadsAndSavesThroughTheStore)
{
    QString stored = u"bob|de,alice"_s;
    int writes = 0;
    TranslationFilterStore store{[&] { return stored; },
                                 [&](const QString& text) {
                                     stored = text;
                                     ++writes;
                                     return true;
                                 }};
    TranslationFilter filter;
    filter.load(store);
    EXPECT_TRUE(filter.save(store));
    EXPECT_EQ(stored, u"alice|00,bob|de"_s);
    EXPECT_EQ(writes, 1);

    TranslationFilterStore failing{[] { return u"x"_s; },
                                   [](const QString&) {
                                       return false;
                                   }};
    EXPECT_FALSE(filter.save(failing));
    TranslationFilterStore unbound;
    filter.load(unbound);
    EXPECT_TRUE(filter.isEmpty());
    EXPECT_FALSE(filter.save(unbound));
}

TEST(TranslationFilterTest, ReadersNeverSeeAReloadHalfDone)
{
    // Both texts exclude alice and give bob a language: a reader that ever finds alice
    // translated or bob without a language has seen an emptied or partial list.
    const QString first = u"alice,bob|de"_s;
    const QString second = u"carol|fr,bob|fr,alice|00"_s;
    TranslationFilter filter;
    filter.loadText(first);
    std::atomic<bool> running{true};
    std::atomic<int> faults{0};
    std::atomic<long> reads{0};
    std::vector<std::thread> readers;
    for (int i = 0; i < 4; ++i) {
        readers.emplace_back([&] {
            while (running) {
                if (!filter.filterExcludes(u"alice"_s) || !filter.hasRules())
                    ++faults;
                const QByteArray bob = filter.perUserLanguage(u"bob"_s);
                if (bob != "de" && bob != "fr")
                    ++faults;
                ++reads;
            }
        });
    }
    for (int i = 0; i < 5000; ++i) {
        filter.loadText(i % 2 ? first : second);
        filter.setDisplayText(u"bob"_s, QString::number(i));
    }
    running = false;
    for (std::thread& reader : readers)
        reader.join();
    EXPECT_EQ(faults, 0);
    EXPECT_GT(reads, 0);
}

TEST(TranslationFilterTest, TheRuleLanguageTable)
{
    const auto& entries = TranslationRuleLanguages::entries();
    ASSERT_EQ(entries.size(), 65);
    EXPECT_EQ(entries.first().code, u"00"_s);
    EXPECT_EQ(entries.first().name, u"DISABLED"_s);
    EXPECT_EQ(entries.last().code, u"yi"_s);
    QSet<QString> codes;
    QSet<QString> names;
    for (const auto& entry : entries) {
        codes.insert(entry.code);
        names.insert(entry.name);
    }
    EXPECT_EQ(codes.size(), 65);
    EXPECT_EQ(names.size(), 65);

    const struct {
        QString code;
        QString name;
        qsizetype index;
    } cases[] = {
        {u"zh-hans"_s, u"Chinese Simplified"_s, 11},
        {u"zh-hant"_s, u"Chinese Traditional"_s, 12},
        {u"de"_s, u"German"_s, 24},
        {u"gu"_s, u"Guarati"_s, 26},
        {u"iw"_s, u"Hebrew"_s, 28},
        {u"no"_s, u"Norwegian"_s, 43},
        {u"cy"_s, u"Welsh"_s, 63},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TranslationRuleLanguages::nameOf(c.code), c.name);
        EXPECT_EQ(TranslationRuleLanguages::indexOfCode(c.code), c.index);
        EXPECT_EQ(TranslationRuleLanguages::indexOfName(c.name), c.index);
    }
    EXPECT_TRUE(TranslationRuleLanguages::nameOf(u"xx"_s).isEmpty());
    EXPECT_EQ(TranslationRuleLanguages::indexOfName(u"german"_s), -1);
}

} // namespace
} // namespace verbalink
