#include "messages/LanguageResolver.h"

#include "QtPrinters.h"
#include "messages/ContactsPort.h"
#include "translate/filter/PerUserLanguageSource.h"
#include "translate/languages/LanguageSelection.h"
#include "translate/languages/LanguageTables.h"

#include <gtest/gtest.h>

namespace verbalink {
namespace {

using namespace Qt::StringLiterals;

class Partner final : public ContactsPort {
public:
    explicit Partner(QByteArray language) : m_language(std::move(language)) {}
    QByteArray partnerLanguage(const QString& handle) override
    {
        ++asked;
        lastHandle = handle;
        return m_language;
    }
    int asked = 0;
    QString lastHandle;

private:
    QByteArray m_language;
};

class Rules final : public PerUserLanguageSource {
public:
    Rules(QString partner, QByteArray language, bool hasRules = true)
        : m_partner(std::move(partner)), m_language(std::move(language)), m_hasRules(hasRules)
    {}
    QByteArray perUserLanguage(const QString& partner) override
    {
        ++asked;
        return partner == m_partner ? m_language : QByteArray();
    }
    bool hasRules() override { return m_hasRules; }
    int asked = 0;

private:
    QString m_partner;
    QByteArray m_language;
    bool m_hasRules;
};

const LanguageTable GoogleTargets({{33321, "autodetect", u"autodetect"_s},
                                   {32825, "en", u"gb"_s},
                                   {32819, "zh-CN", u"cn"_s},
                                   {32831, "de", u"de"_s},
                                   {33385, "eo", {}}});
const LanguageTable BabylonTargets({{33322, "autodetect", u"autodetect"_s},
                                    {32968, "0", u"gb"_s},
                                    {32980, "9", u"cn"_s}});
const LanguageTable PromtTargets({{33325, "autodetect", u"autodetect"_s},
                                  {33215, "e", u"gb"_s},
                                  {33218, "g", u"de"_s}});

EngineMenus languages(QByteArray source, QByteArray target, QString flag,
                      const LanguageTable& table)
{
    return {{1, std::move(source), {}}, {2, std::move(target), std::move(flag)}, &table};
}

const QString Anna = u"anna"_s;

// A partner unknown to the contacts, as the link answers for one: English.
Partner unknown("en");
Rules noRules({}, {}, false);

ResolvedLanguages resolve(ContactsPort& contacts, PerUserLanguageSource& rules,
                          EngineMapping mapping, const EngineMenus& menus,
                          const QString& partner = Anna)
{
    return LanguageResolver(rules, contacts).resolve(mapping, menus, partner);
}

TEST(LanguageResolver, AutodetectTakesThePartnersLanguageMappedWithItsFlag)
{
    Partner partner("zh-Hans");
    const ResolvedLanguages target =
        resolve(partner, noRules, EngineMapping::Google,
                languages("", "autodetect", u"autodetect"_s, GoogleTargets));
    EXPECT_FALSE(target.same);
    EXPECT_EQ(target.target, QByteArray("zh-CN"));
    EXPECT_EQ(target.flag, u"cn"_s);
    EXPECT_EQ(partner.lastHandle, Anna);

    Partner chinese("zh");
    const ResolvedLanguages babylon =
        resolve(chinese, noRules, EngineMapping::Babylon,
                languages("0", "autodetect", u"autodetect"_s, BabylonTargets));
    EXPECT_EQ(babylon.target, QByteArray("9"));
    EXPECT_EQ(babylon.flag, u"cn"_s);

    Partner japanese("ja");
    const ResolvedLanguages promt =
        resolve(japanese, noRules, EngineMapping::Promt,
                languages("g", "autodetect", u"autodetect"_s, PromtTargets));
    EXPECT_EQ(promt.target, QByteArray("e"));
    EXPECT_EQ(promt.flag, u"gb"_s);

    // A language the target menu does not list has no flag.
    Partner unlisted("sw");
    EXPECT_TRUE(resolve(unlisted, noRules, EngineMapping::Google,
                        languages("", "autodetect", u"autodetect"_s, GoogleTargets))
                    .flag.isEmpty());
    // A partner the contacts do not know counts as speaking English.
    EXPECT_EQ(resolve(unknown, noRules, EngineMapping::Google,
                      languages("", "autodetect", u"autodetect"_s, GoogleTargets))
                  .target,
              QByteArray("en"));
}

TEST(LanguageResolver, PerUserLanguageWinsAndTakesTheTablesFlag)
{
    Partner partner("fr");
    Rules rules(Anna, "zh");
    // Over a fixed target: mapped, and the flag comes from the table, not from the menu.
    ResolvedLanguages target = resolve(partner, rules, EngineMapping::Google,
                                       languages("en", "de", u"de"_s, GoogleTargets));
    EXPECT_EQ(target.target, QByteArray("zh-CN"));
    EXPECT_EQ(target.flag, u"cn"_s);
    // Over autodetect: the partner's own language is not even asked.
    target = resolve(partner, rules, EngineMapping::Google,
                     languages("en", "autodetect", u"autodetect"_s, GoogleTargets));
    EXPECT_EQ(target.target, QByteArray("zh-CN"));
    EXPECT_EQ(partner.asked, 0);

    // A partner without a rule keeps the menu's target and flag.
    target = resolve(partner, rules, EngineMapping::Google,
                     languages("en", "de", u"de"_s, GoogleTargets), u"bob"_s);
    EXPECT_EQ(target.target, QByteArray("de"));
    EXPECT_EQ(target.flag, u"de"_s);
}

TEST(LanguageResolver, RulesAreAskedOnlyWhenThereAreAny)
{
    Rules rules(Anna, "zh", false);
    const ResolvedLanguages target = resolve(unknown, rules, EngineMapping::Google,
                                             languages("en", "de", u"de"_s, GoogleTargets));
    EXPECT_EQ(rules.asked, 0);
    EXPECT_EQ(target.target, QByteArray("de"));
}

TEST(LanguageResolver, SameSourceAndTargetIsSkipped)
{
    Partner english("en");
    Partner chinese("zh-Hans");
    Partner german("de");
    Rules germanRule(Anna, "de");
    struct Case {
        const char* name;
        ContactsPort& partner;
        PerUserLanguageSource& perUser;
        EngineMapping mapping;
        EngineMenus languages;
        bool skipped;
    };
    const Case cases[] = {
        {"menu en to en", unknown, noRules, EngineMapping::Google,
         languages("en", "en", u"gb"_s, GoogleTargets), true},
        {"autodetect gives the source", english, noRules, EngineMapping::Google,
         languages("en", "autodetect", u"autodetect"_s, GoogleTargets), true},
        {"compared after mapping", chinese, noRules, EngineMapping::Google,
         languages("zh-CN", "autodetect", u"autodetect"_s, GoogleTargets), true},
        {"Babylon numbers", english, noRules, EngineMapping::Babylon,
         languages("0", "autodetect", u"autodetect"_s, BabylonTargets), true},
        {"Bing, a German partner over German", german, noRules, EngineMapping::Bing,
         languages("de", "autodetect", u"autodetect"_s, GoogleTargets), true},
        {"per-user rule equal to the source", unknown, germanRule, EngineMapping::Promt,
         languages("g", "e", u"gb"_s, PromtTargets), true},
        {"per-user rule equal to the source, Google", unknown, germanRule, EngineMapping::Google,
         languages("de", "en", u"gb"_s, GoogleTargets), true},
        {"case matters", unknown, noRules, EngineMapping::Google,
         languages("EN", "en", u"gb"_s, GoogleTargets), false},
        {"detected source", unknown, noRules, EngineMapping::Google,
         languages("", "en", u"gb"_s, GoogleTargets), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(resolve(c.partner, c.perUser, c.mapping, c.languages).same, c.skipped);
    }
}

class NoCheckMarks final : public LanguageCheckMarks {
public:
    void setChecked(int, bool) override {}
};

TEST(LanguageResolver, EachEngineTakesItsOwnMenusCodesAndFlag)
{
    NoCheckMarks marks;
    LanguageSelection selection(marks);
    const auto select = [&](LanguageMenu menu, QByteArrayView code) {
        const LanguageEntry* entry = LanguageTables::table(menu).byCode(code);
        ASSERT_NE(entry, nullptr) << code.toByteArray().constData();
        selection.select(menu, entry->commandId);
    };
    select(LanguageMenu::GoogleSource, "en");
    select(LanguageMenu::GoogleTarget, "de");
    select(LanguageMenu::Yahoo, "en_de");
    select(LanguageMenu::BingSource, "en");
    select(LanguageMenu::BingTarget, "de");
    select(LanguageMenu::BabylonSource, "0");
    select(LanguageMenu::BabylonTarget, "6");
    select(LanguageMenu::SysTran, "en_fr");
    select(LanguageMenu::PromtSource, "e");
    select(LanguageMenu::PromtTarget, "g");
    struct Case {
        int translator;
        QByteArray source;
        QByteArray target;
        QString flag;
    };
    const Case cases[] = {
        {1, "en", "de", u"de"_s}, {2, {}, "en_de", u"de"_s}, {3, "en", "de", u"de"_s},
        {4, "0", "6", u"de"_s},   {5, {}, "en_fr", u"fr"_s}, {6, "e", "g", u"de"_s},
    };
    const LanguageResolver resolver(noRules, unknown);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.translator);
        selection.setTranslator(c.translator);
        const ResolvedLanguages resolved = resolver.resolve(selection.snapshot(), Anna);
        EXPECT_EQ(int(resolved.translator), c.translator);
        EXPECT_EQ(resolved.source, c.source);
        EXPECT_EQ(resolved.target, c.target);
        EXPECT_EQ(resolved.flag, c.flag);
        EXPECT_FALSE(resolved.same);
    }
}

} // namespace
} // namespace verbalink
