#include "translate/engines/EngineTargetRule.h"

#include "QtPrinters.h"
#include "translate/engines/EngineLanguageSources.h"

#include <gtest/gtest.h>

namespace verbalink {
namespace {

using namespace Qt::StringLiterals;

class Partner final : public PartnerLanguageSource {
public:
    explicit Partner(QByteArray language) : m_language(std::move(language)) {}
    QByteArray partnerLanguage(qint32 messageId) override
    {
        ++asked;
        lastId = messageId;
        return m_language;
    }
    int asked = 0;
    qint32 lastId = 0;

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

EngineLanguages languages(QByteArray source, QByteArray target, QString flag,
                          const LanguageTable& table)
{
    return {{1, std::move(source), {}}, {2, std::move(target), std::move(flag)}, &table};
}

const EngineCall Call{u"Hello"_s, 42, u"anna"_s};

TEST(EngineTargetRule, MappingsOfEachEngine)
{
    struct Case {
        EngineMapping mapping;
        QByteArray language;
        QByteArray code;
    };
    const Case cases[] = {
        {EngineMapping::Google, "zh-Hans", "zh-CN"}, {EngineMapping::Google, "zh-Hant", "zh-TW"},
        {EngineMapping::Google, "zh", "zh-CN"},      {EngineMapping::Google, "pt-BR", "pt"},
        {EngineMapping::Google, "ZH", "ZH"},         {EngineMapping::Google, "fr", "fr"},
        {EngineMapping::Bing, "zh-Hans", "zh-CHS"},  {EngineMapping::Bing, "zh-Hant", "zh-CHT"},
        {EngineMapping::Bing, "zh", "zh-CHS"},       {EngineMapping::Bing, "pt-BR", "pt"},
        {EngineMapping::Bing, "de", "de"},           {EngineMapping::Babylon, "zh", "9"},
        {EngineMapping::Babylon, "zh-Hans", "10"},   {EngineMapping::Babylon, "th", "16"},
        {EngineMapping::Babylon, "en", "0"},         {EngineMapping::Babylon, "xx", "0"},
        {EngineMapping::Babylon, "", "0"},           {EngineMapping::Promt, "ru", "r"},
        {EngineMapping::Promt, "de", "g"},           {EngineMapping::Promt, "ja", "e"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language.toStdString());
        EXPECT_EQ(mapPartnerLanguage(c.mapping, c.language), c.code);
    }
}

TEST(EngineTargetRule, AutodetectTakesThePartnersLanguageMappedWithItsFlag)
{
    Partner partner("zh-Hans");
    const EngineTargetRule rule(&partner, nullptr);
    const EngineTarget target = rule.choose(
        EngineMapping::Google, languages("", "autodetect", u"autodetect"_s, GoogleTargets), Call);
    EXPECT_FALSE(target.skipped);
    EXPECT_EQ(target.code, QByteArray("zh-CN"));
    EXPECT_EQ(target.flag, u"cn"_s);
    EXPECT_EQ(partner.lastId, 42);

    Partner chinese("zh");
    const EngineTarget babylon =
        EngineTargetRule(&chinese, nullptr)
            .choose(EngineMapping::Babylon,
                    languages("0", "autodetect", u"autodetect"_s, BabylonTargets), Call);
    EXPECT_EQ(babylon.code, QByteArray("9"));
    EXPECT_EQ(babylon.flag, u"cn"_s);

    Partner japanese("ja");
    const EngineTarget promt =
        EngineTargetRule(&japanese, nullptr)
            .choose(EngineMapping::Promt,
                    languages("g", "autodetect", u"autodetect"_s, PromtTargets), Call);
    EXPECT_EQ(promt.code, QByteArray("e"));
    EXPECT_EQ(promt.flag, u"gb"_s);

    // A language the target menu does not list has no flag.
    Partner unlisted("sw");
    EXPECT_TRUE(EngineTargetRule(&unlisted, nullptr)
                    .choose(EngineMapping::Google,
                            languages("", "autodetect", u"autodetect"_s, GoogleTargets), Call)
                    .flag.isEmpty());
    // Without a partner source the partner counts as speaking English.
    EXPECT_EQ(EngineTargetRule(nullptr, nullptr)
                  .choose(EngineMapping::Google,
                          languages("", "autodetect", u"autodetect"_s, GoogleTargets), Call)
                  .code,
              QByteArray("en"));
}

TEST(EngineTargetRule, PerUserLanguageWinsAndTakesTheTablesFlag)
{
    Partner partner("fr");
    Rules rules(u"anna"_s, "zh");
    const EngineTargetRule rule(&partner, &rules);
    // Over a fixed target: mapped, and the flag comes from the table, not from the menu.
    EngineTarget target =
        rule.choose(EngineMapping::Google, languages("en", "de", u"de"_s, GoogleTargets), Call);
    EXPECT_EQ(target.code, QByteArray("zh-CN"));
    EXPECT_EQ(target.flag, u"cn"_s);
    // Over autodetect: the partner's own language is not even asked.
    target = rule.choose(EngineMapping::Google,
                         languages("en", "autodetect", u"autodetect"_s, GoogleTargets), Call);
    EXPECT_EQ(target.code, QByteArray("zh-CN"));
    EXPECT_EQ(partner.asked, 0);

    // A partner without a rule keeps the menu's target and flag.
    target = rule.choose(EngineMapping::Google, languages("en", "de", u"de"_s, GoogleTargets),
                         {u"Hi"_s, 1, u"bob"_s});
    EXPECT_EQ(target.code, QByteArray("de"));
    EXPECT_EQ(target.flag, u"de"_s);
}

TEST(EngineTargetRule, RulesAreAskedOnlyWhenThereAreAny)
{
    Rules rules(u"anna"_s, "zh", false);
    const EngineTarget target =
        EngineTargetRule(nullptr, &rules)
            .choose(EngineMapping::Google, languages("en", "de", u"de"_s, GoogleTargets), Call);
    EXPECT_EQ(rules.asked, 0);
    EXPECT_EQ(target.code, QByteArray("de"));
}

TEST(EngineTargetRule, SameSourceAndTargetIsSkipped)
{
    Partner english("en");
    Partner chinese("zh-Hans");
    Rules germanRule(u"anna"_s, "de");
    struct Case {
        const char* name;
        PartnerLanguageSource* partner;
        PerUserLanguageSource* perUser;
        EngineMapping mapping;
        EngineLanguages languages;
        bool skipped;
    };
    const Case cases[] = {
        {"menu en to en", nullptr, nullptr, EngineMapping::Google,
         languages("en", "en", u"gb"_s, GoogleTargets), true},
        {"autodetect gives the source", &english, nullptr, EngineMapping::Google,
         languages("en", "autodetect", u"autodetect"_s, GoogleTargets), true},
        {"compared after mapping", &chinese, nullptr, EngineMapping::Google,
         languages("zh-CN", "autodetect", u"autodetect"_s, GoogleTargets), true},
        {"Babylon numbers", &english, nullptr, EngineMapping::Babylon,
         languages("0", "autodetect", u"autodetect"_s, BabylonTargets), true},
        {"per-user rule equal to the source", nullptr, &germanRule, EngineMapping::Promt,
         languages("g", "e", u"gb"_s, PromtTargets), true},
        {"per-user rule equal to the source, Google", nullptr, &germanRule, EngineMapping::Google,
         languages("de", "en", u"gb"_s, GoogleTargets), true},
        {"case matters", nullptr, nullptr, EngineMapping::Google,
         languages("EN", "en", u"gb"_s, GoogleTargets), false},
        {"detected source", nullptr, nullptr, EngineMapping::Google,
         languages("", "en", u"gb"_s, GoogleTargets), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(
            EngineTargetRule(c.partner, c.perUser).choose(c.mapping, c.languages, Call).skipped,
            c.skipped);
    }
}

} // namespace
} // namespace verbalink
