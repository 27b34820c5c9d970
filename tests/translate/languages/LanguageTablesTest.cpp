#include "translate/languages/LanguageTables.h"

#include "QtPrinters.h"

#include <QSet>
#include <QStringList>
#include <gtest/gtest.h>
#include <map>

// Every entry of every table against the tables as published, pasted here as text and parsed,
// so that a slip in the program's own arrays cannot repeat itself in the expectation.

namespace verbalink {
namespace {

using namespace Qt::StringLiterals;

struct Expected {
    QString label;
    int id = 0;
    QByteArray code;
    QString flag;
};

// "| Entry | id columns... | Code | Flag |" rows; "—" is no entry, "empty" an empty text.
const auto GoogleTableText = uR"(
| Auto Detect | 32785 | — | — | empty | — |
| Auto Detect (by Skype) | — | 33321 | 33343 | "autodetect" | "autodetect" |
| Disabled | — | — | 33254 | empty | — |
| Afrikaans | 33032 | 33042 | 33256 | "af" | "za" |
| Albanian | 32773 | 32815 | 33257 | "sq" | "al" |
| Arabic | 32774 | 32816 | 33258 | "ar" | "dz" |
| Armenian | 33064 | 33071 | 33259 | "hy" | "am" |
| Azerbaijani | 33065 | 33072 | 33260 | "az" | "az" |
| Basque | 33066 | 33073 | 33261 | "eu" | "es" |
| Belarusian | 33033 | 33043 | 33262 | "be" | "by" |
| Bengali | 33236 | 33239 | 33263 | "bn" | "bd" |
| Bulgarian | 32775 | 32817 | 33264 | "bg" | "bg" |
| Catalan | 32776 | 32818 | 33265 | "ca" | "es" |
| Chinese (Simplified) | 32777 | 32819 | 33266 | "zh-CN" | "cn" |
| Chinese (Traditional) | — | 32820 | 33267 | "zh-TW" | "cn" |
| Croatian | 32778 | 32821 | 33268 | "hr" | "hr" |
| Czech | 32779 | 32822 | 33269 | "cs" | "cz" |
| Danish | 32780 | 32823 | 33270 | "da" | "dk" |
| Dutch | 32781 | 32824 | 33271 | "nl" | "nl" |
| English | 32782 | 32825 | 33272 | "en" | "gb" |
| Esperanto | 33384 | 33385 | 33386 | "eo" | empty |
| Estonian | 32783 | 32826 | 33273 | "et" | "ee" |
| Filipino | 32784 | 32827 | 33274 | "tl" | "ph" |
| Finnish | 32786 | 32828 | 33275 | "fi" | "fi" |
| French | 32787 | 32829 | 33276 | "fr" | "fr" |
| Galician | 32788 | 32830 | 33277 | "gl" | "es" |
| Georgian | 33067 | 33074 | 33278 | "ka" | "ge" |
| German | 32789 | 32831 | 33279 | "de" | "de" |
| Greek | 32790 | 32832 | 33280 | "el" | "gr" |
| Gujarati | 33237 | 33240 | 33281 | "gu" | "in" |
| Haitian | 33068 | 33075 | 33282 | "ht" | "ht" |
| Hebrew | 32791 | 32833 | 33283 | "iw" | "il" |
| Hindi | 32792 | 32834 | 33284 | "hi" | "in" |
| Hungarian | 32793 | 32835 | 33285 | "hu" | "hu" |
| Icelandic | 33034 | 33044 | 33286 | "is" | "is" |
| Indonesian | 32794 | 32836 | 33287 | "id" | "id" |
| Irish | 33035 | 33045 | 33288 | "ga" | "ie" |
| Italian | 32795 | 32837 | 33289 | "it" | "it" |
| Japanese | 32796 | 32838 | 33290 | "ja" | "jp" |
| Korean | 32797 | 32839 | 33291 | "ko" | "kr" |
| Latin | 33177 | 33178 | 33292 | "la" | "it" |
| Latvian | 32798 | 32840 | 33293 | "lv" | "lv" |
| Lithuanian | 32799 | 32841 | 33294 | "lt" | "lt" |
| Macedonian | 33036 | 33046 | 33295 | "mk" | "mk" |
| Malay | 33040 | 33047 | 33296 | "ms" | "my" |
| Maltese | 32800 | 32842 | 33297 | "mt" | "mt" |
| Norwegian | 32801 | 32843 | 33298 | "no" | "no" |
| Persian | 33037 | 33048 | 33299 | "fa" | "ir" |
| Polish | 32802 | 32844 | 33300 | "pl" | "pl" |
| Portuguese | 32803 | 32845 | 33301 | "pt" | "pt" |
| Romanian | 32804 | 32846 | 33302 | "ro" | "ro" |
| Russian | 32805 | 32847 | 33303 | "ru" | "ru" |
| Serbian | 32806 | 32848 | 33304 | "sr" | "rs" |
| Slovak | 32807 | 32849 | 33305 | "sk" | "sk" |
| Slovenian | 32808 | 32850 | 33306 | "sl" | "si" |
| Spanish | 32809 | 32851 | 33307 | "es" | "es" |
| Swahili | 33038 | 33049 | 33308 | "sw" | "ke" |
| Swedish | 32810 | 32852 | 33309 | "sv" | "se" |
| Telugu | 33238 | 33241 | 33310 | "te" | "in" |
| Thai | 32811 | 32853 | 33311 | "th" | "th" |
| Turkish | 32812 | 32854 | 33312 | "tr" | "tr" |
| Ukrainian | 32813 | 32855 | 33313 | "uk" | "ua" |
| Urdu | 33070 | 33076 | 33314 | "ur" | "pk" |
| Vietnamese | 32814 | 32856 | 33315 | "vi" | "vn" |
| Welsh | 33041 | 33050 | 33316 | "cy" | "gb" |
| Yiddish | 33039 | 33051 | 33317 | "yi" | "se" |
)"_s;

const auto BingTableText = uR"(
| Auto-Detect | 33001 | — | empty | — |
| Auto Detect (by Skype) | — | 33324 | "autodetect" | "autodetect" |
| Arabic | 33002 | 33016 | "ar" | "dz" |
| Bulgarian | 33077 | 33093 | "bg" | "bg" |
| Catalan | 33323 | 33226 | "ca" | "es" |
| Chinese Simplified | 33003 | 33017 | "zh-CHS" | "cn" |
| Chinese Traditional | 33004 | 33018 | "zh-CHT" | "cn" |
| Czech | 33078 | 33094 | "cs" | "cz" |
| Danish | 33079 | 33095 | "da" | "dk" |
| Dutch | 33005 | 33019 | "nl" | "nl" |
| English | 33006 | 33020 | "en" | "gb" |
| Estonian | 33170 | 33173 | "et" | "ee" |
| Finnish | 33080 | 33096 | "fi" | "fi" |
| French | 33007 | 33021 | "fr" | "fr" |
| German | 33008 | 33022 | "de" | "de" |
| Greek | 33081 | 33097 | "el" | "gr" |
| Haitian Creole | 33082 | 33098 | "ht" | "ht" |
| Hebrew | 33009 | 33023 | "he" | "il" |
| Hungarian | 33083 | 33099 | "hu" | "hu" |
| Indonesian | 33169 | 33174 | "id" | "id" |
| Italian | 33010 | 33024 | "it" | "it" |
| Japanese | 33031 | 33025 | "ja" | "jp" |
| Korean | 33011 | 33026 | "ko" | "kr" |
| Latvian | 33084 | 33100 | "lv" | "lv" |
| Lithuanian | 33085 | 33101 | "lt" | "lt" |
| Norwegian | 33086 | 33102 | "no" | "no" |
| Polish | 33012 | 33027 | "pl" | "pl" |
| Portuguese | 33013 | 33028 | "pt" | "pt" |
| Romanian | 33087 | 33103 | "ro" | "ro" |
| Russian | 33014 | 33029 | "ru" | "ru" |
| Slovak | 33088 | 33104 | "sk" | "sk" |
| Slovenian | 33089 | 33105 | "sl" | "si" |
| Spanish | 33015 | 33030 | "es" | "es" |
| Swedish | 33090 | 33106 | "sv" | "se" |
| Thai | 33091 | 33107 | "th" | "th" |
| Turkish | 33092 | 33108 | "tr" | "tr" |
| Ukrainian | 33167 | 33171 | "uk" | "ua" |
| Vietnamese | 33168 | 33172 | "vi" | "vn" |
)"_s;

const auto BabylonTableText = uR"(
| Auto Detect (by Skype) | — | 33322 | "autodetect" | "autodetect" |
| English | 32940 | 32968 | "0" | "gb" |
| Arabic | 32941 | 32969 | "15" | "dz" |
| French | 32942 | 32970 | "1" | "fr" |
| German | 32943 | 32971 | "6" | "de" |
| Greek | 32944 | 32972 | "11" | "gr" |
| Italian | 32945 | 32973 | "2" | "it" |
| Japanese | 32946 | 32974 | "8" | "jp" |
| Portuguese | 32947 | 32975 | "5" | "pt" |
| Russian | 32948 | 32976 | "7" | "ru" |
| Spanish | 32949 | 32977 | "3" | "es" |
| Turkish | 32950 | 32978 | "13" | "tr" |
| Chinese (Simplified) | 32951 | 32979 | "10" | "cn" |
| Chinese (Traditional) | 32952 | 32980 | "9" | "cn" |
| Czech | 32953 | 32981 | "31" | "cz" |
| Danish | 32954 | 32982 | "43" | "dk" |
| Dutch | 32955 | 32983 | "4" | "nl" |
| Hebrew | 32956 | 32984 | "14" | "il" |
| Hindi | 32957 | 32985 | "60" | "in" |
| Hungarian | 32958 | 32986 | "30" | "hu" |
| Korean | 32959 | 32987 | "12" | "kr" |
| Norwegian | 32960 | 32988 | "46" | "no" |
| Persian | 32961 | 32989 | "51" | "ir" |
| Polish | 32962 | 32990 | "29" | "pl" |
| Romanian | 32963 | 32991 | "47" | "ro" |
| Somali | 32964 | 32992 | "61" | "so" |
| Swedish | 32965 | 32993 | "48" | "se" |
| Ukrainian | 32966 | 32994 | "24" | "ua" |
| Urdu | 32967 | 32995 | "39" | "pk" |
| Thai | 33176 | 33175 | "16" | "th" |
| Catalan | 33336 | 33338 | "99" | "es" |
| Castilian | 33337 | 33339 | "344" | "es" |
)"_s;

// Written from the prose: source "Auto-Detect" 33207 "a"; English 33208 "e" ...; target "Auto
// Detect (by Skype)" 33325 and English 33215 "e" flag "gb" ...
const auto PromtTableText = uR"(
| Auto-Detect | 33207 | — | "a" | — |
| Auto Detect (by Skype) | — | 33325 | "autodetect" | "autodetect" |
| English | 33208 | 33215 | "e" | "gb" |
| Spanish | 33209 | 33216 | "s" | "es" |
| Italian | 33210 | 33217 | "i" | "it" |
| German | 33211 | 33218 | "g" | "de" |
| Portuguese | 33212 | 33219 | "p" | "pt" |
| Russian | 33213 | 33220 | "r" | "ru" |
| French | 33214 | 33221 | "f" | "fr" |
)"_s;

const auto YahooPairsText =
    u"zh_en, zh_zt, zt_en, zt_zh, en_zh, en_zt, en_nl, en_fr, en_de, en_el, en_it, en_ja, "
    u"en_ko, en_pt, en_ru, en_es, nl_en, nl_fr, fr_nl, fr_en, fr_de, fr_el, fr_it, fr_pt, "
    u"fr_es, de_en, de_fr, el_en, el_fr, it_en, it_fr, ja_en, ko_en, pt_en, pt_fr, ru_en, "
    u"es_en, es_fr"_s;

const auto SysTranPairsText =
    u"ar_en, zh_en, nl_en, nl_fr, en_ar, en_zh, en_nl, en_fr, en_de, en_el, en_it, en_ja, "
    u"en_ko, en_pl, en_pt, en_ru, en_es, en_sv, fr_nl, fr_en, fr_de, fr_el, fr_it, fr_pt, "
    u"fr_es, de_en, de_fr, de_it, de_pt, de_es, el_en, el_fr, it_en, it_fr, it_de, it_pt, "
    u"it_es, ja_en, ko_en, pl_en, pt_en, pt_fr, pt_de, pt_it, pt_es, ru_en, es_en, es_fr, "
    u"es_de, es_it, es_pt, sv_en"_s;

// Target language code to flag, for the pairs.
const std::map<QString, QString> PairTargetFlags{
    {u"en"_s, u"gb"_s}, {u"zh"_s, u"cn"_s}, {u"zt"_s, u"cn"_s}, {u"ar"_s, u"dz"_s},
    {u"nl"_s, u"nl"_s}, {u"fr"_s, u"fr"_s}, {u"de"_s, u"de"_s}, {u"el"_s, u"gr"_s},
    {u"it"_s, u"it"_s}, {u"ja"_s, u"jp"_s}, {u"ko"_s, u"kr"_s}, {u"pl"_s, u"pl"_s},
    {u"pt"_s, u"pt"_s}, {u"ru"_s, u"ru"_s}, {u"es"_s, u"es"_s}, {u"sv"_s, u"se"_s}};

QString unquoted(const QString& cell)
{
    if (cell == u"empty" || cell == u"—")
        return {};
    QString text = cell;
    text.remove(u'"');
    return text;
}

// The entries of one id column of a published table; flags only when the menu shows them.
QList<Expected> column(const QString& tableText, int idColumn, bool withFlags)
{
    QList<Expected> rows;
    for (const QString& line : tableText.split(u'\n', Qt::SkipEmptyParts)) {
        QStringList cells = line.split(u'|');
        for (QString& cell : cells)
            cell = cell.trimmed();
        // cells: "", label, ids..., code, flag, ""
        const QString idText = cells.at(1 + idColumn);
        if (idText == u"—")
            continue;
        const QString flag = withFlags ? unquoted(cells.at(cells.size() - 2)) : QString();
        rows.append(
            {cells.at(1), idText.toInt(), unquoted(cells.at(cells.size() - 3)).toLatin1(), flag});
    }
    return rows;
}

QList<Expected> pairs(const QString& listText, int firstId)
{
    QList<Expected> rows;
    int id = firstId;
    for (const QString& pair : listText.split(u", "_s)) {
        const QString target = pair.section(u'_', 1);
        rows.append({pair, id++, pair.toLatin1(), PairTargetFlags.at(target)});
    }
    return rows;
}

struct TableCase {
    LanguageMenu menu;
    QList<Expected> rows;
};

QList<TableCase> publishedTables()
{
    return {
        {LanguageMenu::GoogleSource, column(GoogleTableText, 1, false)},
        {LanguageMenu::GoogleTarget, column(GoogleTableText, 2, true)},
        {LanguageMenu::Incoming, column(GoogleTableText, 3, false)},
        {LanguageMenu::BingSource, column(BingTableText, 1, false)},
        {LanguageMenu::BingTarget, column(BingTableText, 2, true)},
        {LanguageMenu::BabylonSource, column(BabylonTableText, 1, false)},
        {LanguageMenu::BabylonTarget, column(BabylonTableText, 2, true)},
        {LanguageMenu::PromtSource, column(PromtTableText, 1, false)},
        {LanguageMenu::PromtTarget, column(PromtTableText, 2, true)},
        {LanguageMenu::Yahoo, pairs(YahooPairsText, 32861)},
        {LanguageMenu::SysTran, pairs(SysTranPairsText, 33113)},
    };
}

TEST(LanguageTables, EveryEntryHasThePublishedIdCodeAndFlag)
{
    const QList<TableCase> cases = publishedTables();
    ASSERT_EQ(cases.size(), LanguageMenuCount);
    for (const TableCase& tableCase : cases) {
        const LanguageTable& table = LanguageTables::table(tableCase.menu);
        const QString menu = languageMenuName(tableCase.menu);
        EXPECT_EQ(table.entries().size(), tableCase.rows.size()) << menu.toStdString();
        for (const Expected& row : tableCase.rows) {
            SCOPED_TRACE(QString(menu + u" " + row.label).toStdString());
            const LanguageEntry* entry = table.byCommand(row.id);
            ASSERT_NE(entry, nullptr) << row.id;
            EXPECT_EQ(entry->code, row.code);
            EXPECT_EQ(entry->flag, row.flag);
        }
    }
}

TEST(LanguageTables, PublishedCountsAndPairOrder)
{
    EXPECT_EQ(LanguageTables::table(LanguageMenu::GoogleSource).entries().size(), 63);
    EXPECT_EQ(LanguageTables::table(LanguageMenu::GoogleTarget).entries().size(), 64);
    EXPECT_EQ(LanguageTables::table(LanguageMenu::Incoming).entries().size(), 65);
    EXPECT_EQ(LanguageTables::table(LanguageMenu::Yahoo).entries().size(), 38);
    EXPECT_EQ(LanguageTables::table(LanguageMenu::SysTran).entries().size(), 52);

    // The pair menus are flat lists in published order; the examples given for them.
    for (const TableCase& tableCase : publishedTables()) {
        if (tableCase.menu != LanguageMenu::Yahoo && tableCase.menu != LanguageMenu::SysTran)
            continue;
        const QList<LanguageEntry>& entries = LanguageTables::table(tableCase.menu).entries();
        for (qsizetype i = 0; i < entries.size() && i < tableCase.rows.size(); ++i)
            EXPECT_EQ(entries.at(i).commandId, tableCase.rows.at(i).id);
    }
    EXPECT_EQ(LanguageTables::table(LanguageMenu::Yahoo).byCommand(32869)->code, "en_de");
    EXPECT_EQ(LanguageTables::table(LanguageMenu::SysTran).byCommand(33114)->flag, u"gb"_s);
}

TEST(LanguageTables, NoCommandIdBelongsToTwoMenus)
{
    std::map<int, QString> owners;
    for (LanguageMenu menu : allLanguageMenus()) {
        QSet<int> seen;
        for (const LanguageEntry& entry : LanguageTables::table(menu).entries()) {
            EXPECT_FALSE(seen.contains(entry.commandId)) << entry.commandId;
            seen.insert(entry.commandId);
            const auto [owner, added] = owners.emplace(entry.commandId, languageMenuName(menu));
            EXPECT_TRUE(added) << entry.commandId << " in " << owner->second.toStdString()
                               << " and " << languageMenuName(menu).toStdString();
        }
    }
    // The "Set Translator" entries and the interface German are no language entries.
    for (int id : {32900, 32901, 32902, 32936, 33109, 33203, 33387})
        EXPECT_EQ(owners.count(id), 0u) << id;
}

TEST(LanguageTables, FlagLookupByCodeFindsTheTargetEntry)
{
    const LanguageTable& google = LanguageTables::table(LanguageMenu::GoogleTarget);
    ASSERT_NE(google.byCode("iw"), nullptr);
    EXPECT_EQ(google.byCode("iw")->flag, u"il"_s);
    EXPECT_EQ(google.byCode("he"), nullptr);
    const LanguageTable& bing = LanguageTables::table(LanguageMenu::BingTarget);
    ASSERT_NE(bing.byCode("he"), nullptr);
    EXPECT_EQ(bing.byCode("he")->commandId, 33023);
    EXPECT_EQ(bing.byCode("zh-CHT")->flag, u"cn"_s);
    EXPECT_EQ(LanguageTables::table(LanguageMenu::BabylonTarget).byCode("344")->commandId, 33339);
}

} // namespace
} // namespace verbalink
