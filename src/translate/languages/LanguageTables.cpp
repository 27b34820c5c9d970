#include "translate/languages/LanguageTables.h"

#include <QStringView>
#include <array>
#include <span>

namespace verbalink {

namespace {

// One language of the shared Google list; 0 where a menu lacks the language.
struct GoogleRow {
    int sourceId;
    int targetId;
    int incomingId;
    const char* code;
    const char16_t* flag;
};

// Menu order: the automatic and "Disabled" entries first, then by label (Esperanto after
// English). The source menu's single "Chinese" is the Simplified row.
constexpr GoogleRow GoogleRows[] = {
    {32785, 0, 0, "", u""},
    {0, 33321, 33343, "autodetect", u"autodetect"},
    {0, 0, 33254, "", u""},
    {33032, 33042, 33256, "af", u"za"},
    {32773, 32815, 33257, "sq", u"al"},
    {32774, 32816, 33258, "ar", u"dz"},
    {33064, 33071, 33259, "hy", u"am"},
    {33065, 33072, 33260, "az", u"az"},
    {33066, 33073, 33261, "eu", u"es"},
    {33033, 33043, 33262, "be", u"by"},
    {33236, 33239, 33263, "bn", u"bd"},
    {32775, 32817, 33264, "bg", u"bg"},
    {32776, 32818, 33265, "ca", u"es"},
    {32777, 32819, 33266, "zh-CN", u"cn"},
    {0, 32820, 33267, "zh-TW", u"cn"},
    {32778, 32821, 33268, "hr", u"hr"},
    {32779, 32822, 33269, "cs", u"cz"},
    {32780, 32823, 33270, "da", u"dk"},
    {32781, 32824, 33271, "nl", u"nl"},
    {32782, 32825, 33272, "en", u"gb"},
    {33384, 33385, 33386, "eo", u""},
    {32783, 32826, 33273, "et", u"ee"},
    {32784, 32827, 33274, "tl", u"ph"},
    {32786, 32828, 33275, "fi", u"fi"},
    {32787, 32829, 33276, "fr", u"fr"},
    {32788, 32830, 33277, "gl", u"es"},
    {33067, 33074, 33278, "ka", u"ge"},
    {32789, 32831, 33279, "de", u"de"},
    {32790, 32832, 33280, "el", u"gr"},
    {33237, 33240, 33281, "gu", u"in"},
    {33068, 33075, 33282, "ht", u"ht"},
    {32791, 32833, 33283, "iw", u"il"},
    {32792, 32834, 33284, "hi", u"in"},
    {32793, 32835, 33285, "hu", u"hu"},
    {33034, 33044, 33286, "is", u"is"},
    {32794, 32836, 33287, "id", u"id"},
    {33035, 33045, 33288, "ga", u"ie"},
    {32795, 32837, 33289, "it", u"it"},
    {32796, 32838, 33290, "ja", u"jp"},
    {32797, 32839, 33291, "ko", u"kr"},
    {33177, 33178, 33292, "la", u"it"},
    {32798, 32840, 33293, "lv", u"lv"},
    {32799, 32841, 33294, "lt", u"lt"},
    {33036, 33046, 33295, "mk", u"mk"},
    {33040, 33047, 33296, "ms", u"my"},
    {32800, 32842, 33297, "mt", u"mt"},
    {32801, 32843, 33298, "no", u"no"},
    {33037, 33048, 33299, "fa", u"ir"},
    {32802, 32844, 33300, "pl", u"pl"},
    {32803, 32845, 33301, "pt", u"pt"},
    {32804, 32846, 33302, "ro", u"ro"},
    {32805, 32847, 33303, "ru", u"ru"},
    {32806, 32848, 33304, "sr", u"rs"},
    {32807, 32849, 33305, "sk", u"sk"},
    {32808, 32850, 33306, "sl", u"si"},
    {32809, 32851, 33307, "es", u"es"},
    {33038, 33049, 33308, "sw", u"ke"},
    {32810, 32852, 33309, "sv", u"se"},
    {33238, 33241, 33310, "te", u"in"},
    {32811, 32853, 33311, "th", u"th"},
    {32812, 32854, 33312, "tr", u"tr"},
    {32813, 32855, 33313, "uk", u"ua"},
    {33070, 33076, 33314, "ur", u"pk"},
    {32814, 32856, 33315, "vi", u"vn"},
    {33041, 33050, 33316, "cy", u"gb"},
    {33039, 33051, 33317, "yi", u"se"},
};

// One language of a service with a source and a target menu; the automatic entries are rows
// too (source id 0 where the source menu has none).
struct ServiceRow {
    int sourceId;
    int targetId;
    const char* code;
    const char16_t* flag;
};

// The first source entry has an empty code (the service detects); the target's is "autodetect".
constexpr ServiceRow BingRows[] = {
    {33001, 0, "", u""},
    {0, 33324, "autodetect", u"autodetect"},
    {33002, 33016, "ar", u"dz"},
    {33077, 33093, "bg", u"bg"},
    {33323, 33226, "ca", u"es"},
    {33003, 33017, "zh-CHS", u"cn"},
    {33004, 33018, "zh-CHT", u"cn"},
    {33078, 33094, "cs", u"cz"},
    {33079, 33095, "da", u"dk"},
    {33005, 33019, "nl", u"nl"},
    {33006, 33020, "en", u"gb"},
    {33170, 33173, "et", u"ee"},
    {33080, 33096, "fi", u"fi"},
    {33007, 33021, "fr", u"fr"},
    {33008, 33022, "de", u"de"},
    {33081, 33097, "el", u"gr"},
    {33082, 33098, "ht", u"ht"},
    {33009, 33023, "he", u"il"},
    {33083, 33099, "hu", u"hu"},
    {33169, 33174, "id", u"id"},
    {33010, 33024, "it", u"it"},
    {33031, 33025, "ja", u"jp"},
    {33011, 33026, "ko", u"kr"},
    {33084, 33100, "lv", u"lv"},
    {33085, 33101, "lt", u"lt"},
    {33086, 33102, "no", u"no"},
    {33012, 33027, "pl", u"pl"},
    {33013, 33028, "pt", u"pt"},
    {33087, 33103, "ro", u"ro"},
    {33014, 33029, "ru", u"ru"},
    {33088, 33104, "sk", u"sk"},
    {33089, 33105, "sl", u"si"},
    {33015, 33030, "es", u"es"},
    {33090, 33106, "sv", u"se"},
    {33091, 33107, "th", u"th"},
    {33092, 33108, "tr", u"tr"},
    {33167, 33171, "uk", u"ua"},
    {33168, 33172, "vi", u"vn"},
};

// Babylon's numeric language numbers. Menu order: the eleven main languages, then the rest by
// label with Castilian and Catalan first. The source menu has no automatic entry.
constexpr ServiceRow BabylonRows[] = {
    {0, 33322, "autodetect", u"autodetect"},
    {32940, 32968, "0", u"gb"},
    {32941, 32969, "15", u"dz"},
    {32942, 32970, "1", u"fr"},
    {32943, 32971, "6", u"de"},
    {32944, 32972, "11", u"gr"},
    {32945, 32973, "2", u"it"},
    {32946, 32974, "8", u"jp"},
    {32947, 32975, "5", u"pt"},
    {32948, 32976, "7", u"ru"},
    {32949, 32977, "3", u"es"},
    {32950, 32978, "13", u"tr"},
    {33337, 33339, "344", u"es"},
    {33336, 33338, "99", u"es"},
    {32951, 32979, "10", u"cn"},
    {32952, 32980, "9", u"cn"},
    {32953, 32981, "31", u"cz"},
    {32954, 32982, "43", u"dk"},
    {32955, 32983, "4", u"nl"},
    {32956, 32984, "14", u"il"},
    {32957, 32985, "60", u"in"},
    {32958, 32986, "30", u"hu"},
    {32959, 32987, "12", u"kr"},
    {32960, 32988, "46", u"no"},
    {32961, 32989, "51", u"ir"},
    {32962, 32990, "29", u"pl"},
    {32963, 32991, "47", u"ro"},
    {32964, 32992, "61", u"so"},
    {32965, 32993, "48", u"se"},
    {33176, 33175, "16", u"th"},
    {32966, 32994, "24", u"ua"},
    {32967, 32995, "39", u"pk"},
};

// Promt's one-letter codes, "a" letting the service detect. Menu order: by label.
constexpr ServiceRow PromtRows[] = {
    {33207, 0, "a", u""},       {0, 33325, "autodetect", u"autodetect"},
    {33208, 33215, "e", u"gb"}, {33214, 33221, "f", u"fr"},
    {33211, 33218, "g", u"de"}, {33210, 33217, "i", u"it"},
    {33212, 33219, "p", u"pt"}, {33213, 33220, "r", u"ru"},
    {33209, 33216, "s", u"es"},
};

// Yahoo and SysTran take "source_target"; their ids run on from the first in this order.
constexpr const char* YahooPairs[] = {
    "zh_en", "zh_zt", "zt_en", "zt_zh", "en_zh", "en_zt", "en_nl", "en_fr", "en_de", "en_el",
    "en_it", "en_ja", "en_ko", "en_pt", "en_ru", "en_es", "nl_en", "nl_fr", "fr_nl", "fr_en",
    "fr_de", "fr_el", "fr_it", "fr_pt", "fr_es", "de_en", "de_fr", "el_en", "el_fr", "it_en",
    "it_fr", "ja_en", "ko_en", "pt_en", "pt_fr", "ru_en", "es_en", "es_fr",
};
constexpr int FirstYahooId = 32861;

constexpr const char* SysTranPairs[] = {
    "ar_en", "zh_en", "nl_en", "nl_fr", "en_ar", "en_zh", "en_nl", "en_fr", "en_de",
    "en_el", "en_it", "en_ja", "en_ko", "en_pl", "en_pt", "en_ru", "en_es", "en_sv",
    "fr_nl", "fr_en", "fr_de", "fr_el", "fr_it", "fr_pt", "fr_es", "de_en", "de_fr",
    "de_it", "de_pt", "de_es", "el_en", "el_fr", "it_en", "it_fr", "it_de", "it_pt",
    "it_es", "ja_en", "ko_en", "pl_en", "pt_en", "pt_fr", "pt_de", "pt_it", "pt_es",
    "ru_en", "es_en", "es_fr", "es_de", "es_it", "es_pt", "sv_en",
};
constexpr int FirstSysTranId = 33113;

// A pair's flag is its target language's.
struct PairFlag {
    const char* code;
    const char16_t* flag;
};

constexpr PairFlag PairFlags[] = {
    {"ar", u"dz"}, {"zh", u"cn"}, {"zt", u"cn"}, {"nl", u"nl"}, {"en", u"gb"}, {"fr", u"fr"},
    {"de", u"de"}, {"el", u"gr"}, {"it", u"it"}, {"ja", u"jp"}, {"ko", u"kr"}, {"pl", u"pl"},
    {"pt", u"pt"}, {"ru", u"ru"}, {"es", u"es"}, {"sv", u"se"},
};

LanguageEntry entry(int commandId, const char* code, const char16_t* flag)
{
    return {commandId, QByteArray(code), QStringView(flag).toString()};
}

LanguageTable googleTable(int GoogleRow::*id, bool withFlags)
{
    QList<LanguageEntry> entries;
    for (const GoogleRow& row : GoogleRows) {
        if (row.*id != 0)
            entries.append(entry(row.*id, row.code, withFlags ? row.flag : u""));
    }
    return LanguageTable(std::move(entries));
}

LanguageTable serviceTable(std::span<const ServiceRow> rows, int ServiceRow::*id, bool withFlags)
{
    QList<LanguageEntry> entries;
    for (const ServiceRow& row : rows) {
        if (row.*id != 0)
            entries.append(entry(row.*id, row.code, withFlags ? row.flag : u""));
    }
    return LanguageTable(std::move(entries));
}

QString pairFlag(QByteArrayView pair)
{
    for (const PairFlag& known : PairFlags) {
        if (pairTargetCode(pair) == known.code)
            return QStringView(known.flag).toString();
    }
    return {};
}

LanguageTable pairTable(std::span<const char* const> pairs, int firstId)
{
    QList<LanguageEntry> entries;
    int commandId = firstId;
    for (const char* pair : pairs)
        entries.append({commandId++, QByteArray(pair), pairFlag(pair)});
    return LanguageTable(std::move(entries));
}

LanguageTable buildTable(LanguageMenu menu)
{
    switch (menu) {
    case LanguageMenu::GoogleSource:
        return googleTable(&GoogleRow::sourceId, false);
    case LanguageMenu::GoogleTarget:
        return googleTable(&GoogleRow::targetId, true);
    case LanguageMenu::Incoming:
        return googleTable(&GoogleRow::incomingId, false);
    case LanguageMenu::Yahoo:
        return pairTable(YahooPairs, FirstYahooId);
    case LanguageMenu::SysTran:
        return pairTable(SysTranPairs, FirstSysTranId);
    case LanguageMenu::BingSource:
        return serviceTable(BingRows, &ServiceRow::sourceId, false);
    case LanguageMenu::BingTarget:
        return serviceTable(BingRows, &ServiceRow::targetId, true);
    case LanguageMenu::BabylonSource:
        return serviceTable(BabylonRows, &ServiceRow::sourceId, false);
    case LanguageMenu::BabylonTarget:
        return serviceTable(BabylonRows, &ServiceRow::targetId, true);
    case LanguageMenu::PromtSource:
        return serviceTable(PromtRows, &ServiceRow::sourceId, false);
    case LanguageMenu::PromtTarget:
        return serviceTable(PromtRows, &ServiceRow::targetId, true);
    }
    return {};
}

std::array<LanguageTable, LanguageMenuCount> buildAll()
{
    std::array<LanguageTable, LanguageMenuCount> tables;
    for (LanguageMenu menu : allLanguageMenus())
        tables[static_cast<std::size_t>(languageMenuIndex(menu))] = buildTable(menu);
    return tables;
}

} // namespace

const LanguageTable& LanguageTables::table(LanguageMenu menu)
{
    static const std::array<LanguageTable, LanguageMenuCount> Tables = buildAll();
    return Tables[static_cast<std::size_t>(languageMenuIndex(menu))];
}

} // namespace verbalink
