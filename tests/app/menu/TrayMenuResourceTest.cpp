#include "QStringPrinter.h"
#include "app/menu/MenuDecoration.h"
#include "app/menu/MenuModel.h"
#include "app/menu/MenuResource.h"

#include <QHash>
#include <QStringList>
#include <gtest/gtest.h>
#include <map>
#include <optional>

// The shipped tray menu, decorated as the program shows it, against the tables it was written
// from: positions, ids, labels, orders and the flag of every language entry.

namespace verbalink {
namespace {

using namespace Qt::StringLiterals;

// One shown entry: a command (id, text), a separator (0, "-") or a submenu (-1, title).
struct Entry {
    int id;
    QString text;
    bool operator==(const Entry&) const = default;
};

void PrintTo(const Entry& entry, std::ostream* os)
{
    *os << "{" << entry.id << ", \"" << entry.text.toStdString() << "\"}";
}

const Entry Sep{0, u"-"_s};

Entry sub(const QString& title)
{
    return {-1, title};
}

std::vector<Entry> entriesOf(const MenuItem* menu)
{
    std::vector<Entry> entries;
    for (int i = 0; menu && i < menu->childCount(); ++i) {
        const MenuItem* item = menu->child(i);
        if (item->isSeparator())
            entries.push_back(Sep);
        else if (item->isSubmenu())
            entries.push_back(sub(item->text()));
        else
            entries.push_back({item->commandId(), item->text()});
    }
    return entries;
}

struct GoogleRow {
    const char16_t* label;
    int sourceId, targetId, incomingId;
    const char16_t* flag;
};
struct PairRow {
    const char16_t* label;
    int sourceId, targetId;
    const char16_t* flag;
};
struct LanguageRow {
    int id;
    const char16_t* label;
};

// label, source id, target id, incoming id, flag code
const GoogleRow googleRows[] = {
    {u"Auto Detect", 32785, 0, 0, u""},
    {u"Auto Detect (by Skype)", 0, 33321, 33343, u"autodetect"},
    {u"Disabled", 0, 0, 33254, u""},
    {u"Afrikaans", 33032, 33042, 33256, u"za"},
    {u"Albanian", 32773, 32815, 33257, u"al"},
    {u"Arabic", 32774, 32816, 33258, u"dz"},
    {u"Armenian", 33064, 33071, 33259, u"am"},
    {u"Azerbaijani", 33065, 33072, 33260, u"az"},
    {u"Basque", 33066, 33073, 33261, u"es"},
    {u"Belarusian", 33033, 33043, 33262, u"by"},
    {u"Bengali", 33236, 33239, 33263, u"bd"},
    {u"Bulgarian", 32775, 32817, 33264, u"bg"},
    {u"Catalan", 32776, 32818, 33265, u"es"},
    {u"Chinese (Simplified)", 32777, 32819, 33266, u"cn"},
    {u"Chinese (Traditional)", 0, 32820, 33267, u"cn"},
    {u"Croatian", 32778, 32821, 33268, u"hr"},
    {u"Czech", 32779, 32822, 33269, u"cz"},
    {u"Danish", 32780, 32823, 33270, u"dk"},
    {u"Dutch", 32781, 32824, 33271, u"nl"},
    {u"English", 32782, 32825, 33272, u"gb"},
    {u"Esperanto", 33384, 33385, 33386, u""},
    {u"Estonian", 32783, 32826, 33273, u"ee"},
    {u"Filipino", 32784, 32827, 33274, u"ph"},
    {u"Finnish", 32786, 32828, 33275, u"fi"},
    {u"French", 32787, 32829, 33276, u"fr"},
    {u"Galician", 32788, 32830, 33277, u"es"},
    {u"Georgian", 33067, 33074, 33278, u"ge"},
    {u"German", 32789, 32831, 33279, u"de"},
    {u"Greek", 32790, 32832, 33280, u"gr"},
    {u"Gujarati", 33237, 33240, 33281, u"in"},
    {u"Haitian", 33068, 33075, 33282, u"ht"},
    {u"Hebrew", 32791, 32833, 33283, u"il"},
    {u"Hindi", 32792, 32834, 33284, u"in"},
    {u"Hungarian", 32793, 32835, 33285, u"hu"},
    {u"Icelandic", 33034, 33044, 33286, u"is"},
    {u"Indonesian", 32794, 32836, 33287, u"id"},
    {u"Irish", 33035, 33045, 33288, u"ie"},
    {u"Italian", 32795, 32837, 33289, u"it"},
    {u"Japanese", 32796, 32838, 33290, u"jp"},
    {u"Korean", 32797, 32839, 33291, u"kr"},
    {u"Latin", 33177, 33178, 33292, u"it"},
    {u"Latvian", 32798, 32840, 33293, u"lv"},
    {u"Lithuanian", 32799, 32841, 33294, u"lt"},
    {u"Macedonian", 33036, 33046, 33295, u"mk"},
    {u"Malay", 33040, 33047, 33296, u"my"},
    {u"Maltese", 32800, 32842, 33297, u"mt"},
    {u"Norwegian", 32801, 32843, 33298, u"no"},
    {u"Persian", 33037, 33048, 33299, u"ir"},
    {u"Polish", 32802, 32844, 33300, u"pl"},
    {u"Portuguese", 32803, 32845, 33301, u"pt"},
    {u"Romanian", 32804, 32846, 33302, u"ro"},
    {u"Russian", 32805, 32847, 33303, u"ru"},
    {u"Serbian", 32806, 32848, 33304, u"rs"},
    {u"Slovak", 32807, 32849, 33305, u"sk"},
    {u"Slovenian", 32808, 32850, 33306, u"si"},
    {u"Spanish", 32809, 32851, 33307, u"es"},
    {u"Swahili", 33038, 33049, 33308, u"ke"},
    {u"Swedish", 32810, 32852, 33309, u"se"},
    {u"Telugu", 33238, 33241, 33310, u"in"},
    {u"Thai", 32811, 32853, 33311, u"th"},
    {u"Turkish", 32812, 32854, 33312, u"tr"},
    {u"Ukrainian", 32813, 32855, 33313, u"ua"},
    {u"Urdu", 33070, 33076, 33314, u"pk"},
    {u"Vietnamese", 32814, 32856, 33315, u"vn"},
    {u"Welsh", 33041, 33050, 33316, u"gb"},
    {u"Yiddish", 33039, 33051, 33317, u"se"},
};
const PairRow bingRows[] = {
    {u"Arabic", 33002, 33016, u"dz"},
    {u"Bulgarian", 33077, 33093, u"bg"},
    {u"Catalan", 33323, 33226, u"es"},
    {u"Chinese Simplified", 33003, 33017, u"cn"},
    {u"Chinese Traditional", 33004, 33018, u"cn"},
    {u"Czech", 33078, 33094, u"cz"},
    {u"Danish", 33079, 33095, u"dk"},
    {u"Dutch", 33005, 33019, u"nl"},
    {u"English", 33006, 33020, u"gb"},
    {u"Estonian", 33170, 33173, u"ee"},
    {u"Finnish", 33080, 33096, u"fi"},
    {u"French", 33007, 33021, u"fr"},
    {u"German", 33008, 33022, u"de"},
    {u"Greek", 33081, 33097, u"gr"},
    {u"Haitian Creole", 33082, 33098, u"ht"},
    {u"Hebrew", 33009, 33023, u"il"},
    {u"Hungarian", 33083, 33099, u"hu"},
    {u"Indonesian", 33169, 33174, u"id"},
    {u"Italian", 33010, 33024, u"it"},
    {u"Japanese", 33031, 33025, u"jp"},
    {u"Korean", 33011, 33026, u"kr"},
    {u"Latvian", 33084, 33100, u"lv"},
    {u"Lithuanian", 33085, 33101, u"lt"},
    {u"Norwegian", 33086, 33102, u"no"},
    {u"Polish", 33012, 33027, u"pl"},
    {u"Portuguese", 33013, 33028, u"pt"},
    {u"Romanian", 33087, 33103, u"ro"},
    {u"Russian", 33014, 33029, u"ru"},
    {u"Slovak", 33088, 33104, u"sk"},
    {u"Slovenian", 33089, 33105, u"si"},
    {u"Spanish", 33015, 33030, u"es"},
    {u"Swedish", 33090, 33106, u"se"},
    {u"Thai", 33091, 33107, u"th"},
    {u"Turkish", 33092, 33108, u"tr"},
    {u"Ukrainian", 33167, 33171, u"ua"},
    {u"Vietnamese", 33168, 33172, u"vn"},
};
const PairRow babylonRows[] = {
    {u"English", 32940, 32968, u"gb"},
    {u"Arabic", 32941, 32969, u"dz"},
    {u"French", 32942, 32970, u"fr"},
    {u"German", 32943, 32971, u"de"},
    {u"Greek", 32944, 32972, u"gr"},
    {u"Italian", 32945, 32973, u"it"},
    {u"Japanese", 32946, 32974, u"jp"},
    {u"Portuguese", 32947, 32975, u"pt"},
    {u"Russian", 32948, 32976, u"ru"},
    {u"Spanish", 32949, 32977, u"es"},
    {u"Turkish", 32950, 32978, u"tr"},
    {u"Chinese (Simplified)", 32951, 32979, u"cn"},
    {u"Chinese (Traditional)", 32952, 32980, u"cn"},
    {u"Czech", 32953, 32981, u"cz"},
    {u"Danish", 32954, 32982, u"dk"},
    {u"Dutch", 32955, 32983, u"nl"},
    {u"Hebrew", 32956, 32984, u"il"},
    {u"Hindi", 32957, 32985, u"in"},
    {u"Hungarian", 32958, 32986, u"hu"},
    {u"Korean", 32959, 32987, u"kr"},
    {u"Norwegian", 32960, 32988, u"no"},
    {u"Persian", 32961, 32989, u"ir"},
    {u"Polish", 32962, 32990, u"pl"},
    {u"Romanian", 32963, 32991, u"ro"},
    {u"Somali", 32964, 32992, u"so"},
    {u"Swedish", 32965, 32993, u"se"},
    {u"Ukrainian", 32966, 32994, u"ua"},
    {u"Urdu", 32967, 32995, u"pk"},
    {u"Thai", 33176, 33175, u"th"},
    {u"Catalan", 33336, 33338, u"es"},
    {u"Castilian", 33337, 33339, u"es"},
};
const LanguageRow interfaceRows[] = {
    {33223, u"English"},
    {33224, u"Bulgarian (Български)"},
    {33225, u"Russian (Русский)"},
    {33226, u"German (Deutsch)"},
    {33227, u"Italian (Italiano)"},
    {33228, u"Spanish (Español)"},
    {33229, u"French (Français)"},
    {33235, u"Portuguese (Português)"},
    {33243, u"Hebrew (עברית)"},
    {33244, u"Arabic (العربية)"},
    {33245, u"Urdu (اردو)"},
    {33246, u"Hindi (हिन्दी)"},
    {33247, u"Ukrainian (Український)"},
    {33248, u"Romanian (Română)"},
    {33249, u"Czech (Český)"},
    {33250, u"Polish (Polski)"},
    {33251, u"Serbian (Српски)"},
    {33255, u"Hungarian (Magyar)"},
    {33319, u"Danish (Dansk)"},
    {33320, u"Turkish (Türkçe)"},
    {33329, u"Swedish (Svenska)"},
    {33330, u"Dutch (Nederlands)"},
    {33331, u"Slovak (Slovenský)"},
    {33332, u"Japanese (日本語)"},
    {33333, u"Filipino (Tagalog)"},
    {33334, u"Tamil (தமிழ்)"},
    {33335, u"Vietnamese (Việt)"},
    {33341, u"Norwegian (Norsk)"},
    {33342, u"Thai (ไทย)"},
    {33347, u"Greek (Ελληνικά)"},
    {33348, u"Korean (한국어)"},
    {33349, u"Lithuanian (Lietuvių)"},
    {33355, u"Latvian (Latviešu)"},
    {33356, u"Chinese (Simplified)"},
    {33357, u"Chinese(Traditional)"},
    {33358, u"Azerbaijani (Azərbaycan)"},
    {33367, u"Albanian (Shqiptar)"},
    {33368, u"Finnish (Suomi)"},
    {33372, u"Armenian (Հայերեն)"},
    {33374, u"Slovenian (Slovenščina)"},
    {33375, u"Pashto (پښتو)"},
    {33377, u"Georgian (ქართული)"},
};

const char* const yahooPairs = "zh_en zh_zt zt_en zt_zh en_zh en_zt en_nl en_fr en_de en_el en_it "
                               "en_ja en_ko en_pt en_ru en_es nl_en nl_fr fr_nl fr_en fr_de fr_el "
                               "fr_it fr_pt fr_es de_en de_fr el_en el_fr it_en it_fr ja_en ko_en "
                               "pt_en pt_fr ru_en es_en es_fr";
const char* const sysTranPairs =
    "ar_en zh_en nl_en nl_fr en_ar en_zh en_nl en_fr en_de en_el en_it en_ja en_ko en_pl en_pt "
    "en_ru en_es en_sv fr_nl fr_en fr_de fr_el fr_it fr_pt fr_es de_en de_fr de_it de_pt de_es "
    "el_en el_fr it_en it_fr it_de it_pt it_es ja_en ko_en pl_en pt_en pt_fr pt_de pt_it pt_es "
    "ru_en es_en es_fr es_de es_it es_pt sv_en";

// The image of a language entry: its country's flag, with the exceptions the menus make.
QString flagKey(const QString& label, const char16_t* flagCode)
{
    static const QHash<QString, QString> exceptions = {{u"English"_s, u"us"_s},
                                                       {u"Bengali"_s, u"in"_s},
                                                       {u"Malay"_s, u"bn"_s},
                                                       {u"Esperanto"_s, u"eo"_s}};
    return u"flag-" + exceptions.value(label, QString::fromUtf16(flagCode));
}

class TrayMenuResource : public ::testing::Test {
protected:
    void SetUp() override
    {
        MenuResource::Result result = MenuResource::readTrayMenu();
        ASSERT_TRUE(result.root) << result.error.toStdString();
        m_model = std::make_unique<MenuModel>(std::move(result.root));
        MenuDecoration decoration(*m_model);
        decoration.applyFlags();
        decoration.applyIcons(true);
    }
    const MenuModel& menu() const { return *m_model; }
    std::vector<Entry> at(const MenuPath& path) const { return entriesOf(menu().itemAt(path)); }

    std::unique_ptr<MenuModel> m_model;
};

TEST_F(TrayMenuResource, TopLevelPositionsHoldTheirEntries)
{
    const std::vector<Entry> expected = {
        {32857, u"Disable Translation"_s},
        {32858, u"Hide Original Messages"_s},
        sub(u"Encrypt Message"_s),
        sub(u"Set Translator"_s),
        sub(u"Spell Check"_s),
        sub(u"Set Speech"_s),
        sub(u"Translate Incoming Messages"_s),
        Sep,
        sub(u"Google Settings"_s),
        sub(u"Babylon Settings"_s),
        sub(u"Yahoo Settings"_s),
        sub(u"Bing Settings"_s),
        sub(u"SysTran Settings"_s),
        sub(u"Promt Settings"_s),
        Sep,
        sub(u"Preferences"_s),
        {33371, u"User translation filter"_s},
        Sep,
        {33179, u"Greetings"_s},
        {33166, u"Fun&&Art Message"_s},
        {33181, u"A.I. Talk Robot"_s},
        {33184, u"Voice Call Recorder"_s},
        sub(u"Voice Changer"_s),
        {33373, u"Broadcast"_s},
        sub(u"Show user avatars"_s),
        Sep,
        {32932, u"Check for Updates"_s},
        {32933, u"Homepage"_s},
        {104, u"&About ..."_s},
        {105, u"E&xit"_s},
    };
    EXPECT_EQ(at({}), expected);
}

TEST_F(TrayMenuResource, EntriesRelabelledByPositionExist)
{
    const std::vector<std::pair<MenuPath, QString>> places = {
        {{8, 0}, u"From Language"_s},
        {{8, 1}, u"To Language"_s},
        {{9, 0}, u"From Language"_s},
        {{9, 1}, u"To Language"_s},
        {{11, 0}, u"From Language"_s},
        {{11, 1}, u"To Language"_s},
        {{13, 0}, u"From Language"_s},
        {{13, 1}, u"To Language"_s},
        {{15, 0}, u"Interface Language"_s},
        {{15, 2}, u"Set Speech Rate"_s},
        {{22, 4}, u"Music"_s},
    };
    for (const auto& [path, title] : places) {
        const MenuItem* item = menu().itemAt(path);
        ASSERT_TRUE(item) << title.toStdString();
        EXPECT_TRUE(item->isSubmenu()) << title.toStdString();
        EXPECT_EQ(item->text(), title);
    }
}

TEST_F(TrayMenuResource, SmallSubmenusInOrder)
{
    const std::vector<std::pair<MenuPath, std::vector<Entry>>> menus = {
        {{2}, {{33232, u"Enable"_s}, {33233, u"View Messages"_s}, {33234, u"Auto Popup"_s}}},
        // clang-format off
        {{15}, {sub(u"Interface Language"_s), sub(u"Hotkeys"_s), sub(u"Set Speech Rate"_s), Sep,
                {33340, u"Show translation flags"_s}, {32935, u"Run with Windows"_s}, Sep,
                {33165, u"Connection Settings"_s}, {33183, u"A.I. Settings"_s}}},
        {{22}, {sub(u"Voices"_s), sub(u"Sound Effects"_s), Sep, {33193, u"Hear Voice/Music"_s},
                sub(u"Music"_s), {33376, u"Hear Music"_s}}},
        // clang-format on
        {{3},
         {{32900, u"Google"_s},
          {32936, u"Babylon"_s},
          {32901, u"Yahoo"_s},
          {32902, u"Bing"_s},
          {33109, u"SysTran"_s},
          {33203, u"Promt"_s}}},
        {{4}, {{32997, u"Disabled"_s}}},
        {{5}, {{33053, u"Disabled"_s}}},
        {{15, 1},
         {{33360, u"Disabled"_s},
          {33361, u"CTRL+key"_s},
          {33362, u"ALT+key"_s},
          {33363, u"CTRL+ALT+key"_s},
          {33364, u"CTRL+SHIFT+key"_s},
          {33365, u"ALT+SHIFT+key"_s},
          Sep,
          {33366, u"Help"_s}}},
        {{15, 2},
         {{33055, u"Slowest"_s},
          {33062, u"Slower"_s},
          {33056, u"Slow"_s},
          {33057, u"Normal"_s},
          {33058, u"Fast"_s},
          {33063, u"Faster"_s},
          {33061, u"Fastest"_s}}},
        {{22, 0},
         {{33186, u"Disabled"_s},
          {33327, u"Alien (useless)"_s},
          {33370, u"Atari Game"_s},
          {33345, u"Mutation (slow)"_s},
          {33344, u"Mutation"_s},
          {33346, u"Mutation (fast)"_s},
          {33190, u"Robotic Voice"_s},
          {33191, u"Pitch (male)"_s},
          {33192, u"Pitch (female)"_s},
          {33194, u"Pitch (helium)"_s},
          {33252, u"Pitch (baby)"_s}}},
        {{22, 1},
         {{33353, u"Disabled"_s},
          {33187, u"Echo"_s},
          {33188, u"Echo (Multiple)"_s},
          {33189, u"Chorus"_s}}},
        {{22, 4},
         {{33196, u"Browse Audio  File"_s},
          {33369, u"Play"_s},
          {33197, u"Stop"_s},
          Sep,
          {33198, u"Volume 100%"_s},
          {33199, u"Volume 75%"_s},
          {33200, u"Volume 50%"_s},
          {33201, u"Volume 25%"_s},
          {33202, u"Volume 10%"_s}}},
        {{24},
         {{33380, u"Disabled"_s},
          {33381, u"Big image"_s},
          {33383, u"Normal image"_s},
          {33382, u"Small image"_s}}},
    };
    for (const auto& [path, entries] : menus)
        EXPECT_EQ(at(path), entries) << menu().itemAt(path)->text().toStdString();
}

TEST_F(TrayMenuResource, GoogleAndIncomingMenusFollowTheLanguageTable)
{
    std::vector<Entry> from = {{32785, u"Auto Detect"_s}, Sep};
    std::vector<Entry> to = {{33321, u"Auto Detect (by Skype)"_s}, Sep};
    std::vector<Entry> incoming = {
        {33343, u"Auto Detect (by Skype)"_s}, {33254, u"Disabled"_s}, Sep};
    for (const GoogleRow& row : googleRows) {
        const QString label = QString::fromUtf16(row.label);
        if (label.startsWith(u"Auto Detect") || label == u"Disabled")
            continue;
        if (row.sourceId != 0)
            from.push_back({row.sourceId, row.sourceId == 32777 ? u"Chinese"_s : label});
        to.push_back({row.targetId, label});
        incoming.push_back({row.incomingId, label});
        for (int id : {row.sourceId, row.targetId, row.incomingId}) {
            if (id != 0) {
                EXPECT_EQ(menu().find(id)->imageKey(), flagKey(label, row.flag)) << id;
            }
        }
    }
    incoming.insert(incoming.end(), {Sep, {33354, u"Translate in chat dialog"_s}});

    EXPECT_EQ(at({8, 0}), from);
    EXPECT_EQ(at({8, 1}), to);
    EXPECT_EQ(at({6}), incoming);
    const std::vector<Entry> google = {
        sub(u"From Language"_s), sub(u"To Language"_s), Sep, {33328, u"Show Transliteration"_s}};
    EXPECT_EQ(at({8}), google);
}

TEST_F(TrayMenuResource, BingMenusFollowTheLanguageTable)
{
    std::vector<Entry> from = {{33001, u"Auto-Detect"_s}, Sep};
    std::vector<Entry> to = {{33324, u"Auto Detect (by Skype)"_s}, Sep};
    for (const PairRow& row : bingRows) {
        const QString label = QString::fromUtf16(row.label);
        from.push_back({row.sourceId, label});
        to.push_back({row.targetId, label == u"Haitian Creole" ? u"Haitian"_s : label});
        EXPECT_EQ(menu().find(row.sourceId)->imageKey(), flagKey(label, row.flag));
        EXPECT_EQ(menu().find(row.targetId)->imageKey(), flagKey(label, row.flag));
    }
    EXPECT_EQ(at({11, 0}), from);
    EXPECT_EQ(at({11, 1}), to);
}

TEST_F(TrayMenuResource, BabylonMenusShowElevenLanguagesThenTheRestAlphabetically)
{
    const QStringList order = {u"English"_s,
                               u"Arabic"_s,
                               u"French"_s,
                               u"German"_s,
                               u"Greek"_s,
                               u"Italian"_s,
                               u"Japanese"_s,
                               u"Portuguese"_s,
                               u"Russian"_s,
                               u"Spanish"_s,
                               u"Turkish"_s,
                               u"-"_s,
                               u"Castilian"_s,
                               u"Catalan"_s,
                               u"Chinese (Simplified)"_s,
                               u"Chinese (Traditional)"_s,
                               u"Czech"_s,
                               u"Danish"_s,
                               u"Dutch"_s,
                               u"Hebrew"_s,
                               u"Hindi"_s,
                               u"Hungarian"_s,
                               u"Korean"_s,
                               u"Norwegian"_s,
                               u"Persian"_s,
                               u"Polish"_s,
                               u"Romanian"_s,
                               u"Somali"_s,
                               u"Swedish"_s,
                               u"Thai"_s,
                               u"Ukrainian"_s,
                               u"Urdu"_s};
    QHash<QString, PairRow> rows;
    for (const PairRow& row : babylonRows)
        rows.insert(QString::fromUtf16(row.label), row);
    const QHash<QString, QString> shown = {{u"Chinese (Simplified)"_s, u"Chinese(S)"_s},
                                           {u"Chinese (Traditional)"_s, u"Chinese(T)"_s}};

    std::vector<Entry> from;
    std::vector<Entry> to = {{33322, u"Auto Detect (by Skype)"_s}, Sep};
    for (const QString& name : order) {
        if (name == u"-") {
            from.push_back(Sep);
            to.push_back(Sep);
            continue;
        }
        ASSERT_TRUE(rows.contains(name)) << name.toStdString();
        const QString label = shown.value(name, name);
        from.push_back({rows[name].sourceId, label});
        to.push_back({rows[name].targetId, label});
        for (int id : {rows[name].sourceId, rows[name].targetId})
            EXPECT_EQ(menu().find(id)->imageKey(), flagKey(name, rows[name].flag)) << id;
    }
    EXPECT_EQ(from.size(), std::size(babylonRows) + 1);
    EXPECT_EQ(at({9, 0}), from);
    EXPECT_EQ(at({9, 1}), to);
}

TEST_F(TrayMenuResource, PromtMenus)
{
    const std::vector<Entry> from = {{33207, u"Auto-Detect"_s}, Sep,
                                     {33208, u"English"_s},     {33214, u"French"_s},
                                     {33211, u"German"_s},      {33210, u"Italian"_s},
                                     {33212, u"Portuguese"_s},  {33213, u"Russian"_s},
                                     {33209, u"Spanish"_s}};
    const std::vector<Entry> to = {{33325, u"Auto Detect (by Skype)"_s},
                                   Sep,
                                   {33215, u"English"_s},
                                   {33221, u"French"_s},
                                   {33218, u"German"_s},
                                   {33217, u"Italian"_s},
                                   {33219, u"Portuguese"_s},
                                   {33220, u"Russian"_s},
                                   {33216, u"Spanish"_s}};
    EXPECT_EQ(at({13, 0}), from);
    EXPECT_EQ(at({13, 1}), to);
}

std::vector<Entry> pairEntries(const char* codes, int firstId, const QString& chineseName)
{
    const QHash<QString, QString> names = {
        {u"ar"_s, u"Arabic"_s},     {u"zh"_s, chineseName},  {u"zt"_s, u"Chinese-trad"_s},
        {u"nl"_s, u"Dutch"_s},      {u"en"_s, u"English"_s}, {u"fr"_s, u"French"_s},
        {u"de"_s, u"German"_s},     {u"el"_s, u"Greek"_s},   {u"it"_s, u"Italian"_s},
        {u"ja"_s, u"Japanese"_s},   {u"ko"_s, u"Korean"_s},  {u"pl"_s, u"Polish"_s},
        {u"pt"_s, u"Portuguese"_s}, {u"ru"_s, u"Russian"_s}, {u"es"_s, u"Spanish"_s},
        {u"sv"_s, u"Swedish"_s}};
    std::vector<Entry> entries;
    int id = firstId;
    for (const QString& pair : QString::fromLatin1(codes).split(u' ')) {
        const QStringList codesOfPair = pair.split(u'_');
        entries.push_back({id++, names[codesOfPair[0]] + u" to " + names[codesOfPair[1]]});
    }
    return entries;
}

TEST_F(TrayMenuResource, YahooAndSysTranPairsAreConsecutive)
{
    const auto yahoo = pairEntries(yahooPairs, 32861, u"Chinese-simp"_s);
    const auto sysTran = pairEntries(sysTranPairs, 33113, u"Chinese"_s);
    ASSERT_EQ(yahoo.size(), 38u);
    ASSERT_EQ(sysTran.size(), 52u);
    EXPECT_EQ(at({10}), yahoo);
    EXPECT_EQ(at({12}), sysTran);
    // A pair shows the flag of its source language.
    const QHash<QString, QString> sourceFlags = {
        {u"ar"_s, u"dz"_s}, {u"zh"_s, u"cn"_s}, {u"zt"_s, u"cn"_s}, {u"nl"_s, u"nl"_s},
        {u"en"_s, u"us"_s}, {u"fr"_s, u"fr"_s}, {u"de"_s, u"de"_s}, {u"el"_s, u"gr"_s},
        {u"it"_s, u"it"_s}, {u"ja"_s, u"jp"_s}, {u"ko"_s, u"kr"_s}, {u"pl"_s, u"pl"_s},
        {u"pt"_s, u"pt"_s}, {u"ru"_s, u"ru"_s}, {u"es"_s, u"es"_s}, {u"sv"_s, u"se"_s}};
    for (const auto& [codes, firstId] : {std::pair{yahooPairs, 32861}, {sysTranPairs, 33113}}) {
        int id = firstId;
        for (const QString& pair : QString::fromLatin1(codes).split(u' '))
            EXPECT_EQ(menu().find(id++)->imageKey(), u"flag-" + sourceFlags[pair.left(2)]) << id;
    }
    EXPECT_EQ(menu().find(32869)->text(), u"English to German");
    EXPECT_EQ(menu().find(33114)->text(), u"Chinese to English");
    EXPECT_EQ(menu().find(33121)->text(), u"English to German");
}

TEST_F(TrayMenuResource, InterfaceLanguageMenu)
{
    const QStringList order = {u"Albanian"_s,
                               u"Arabic"_s,
                               u"Armenian"_s,
                               u"Azerbaijani"_s,
                               u"Bulgarian"_s,
                               u"Chinese(Traditional)"_s,
                               u"Chinese (Simplified)"_s,
                               u"Czech"_s,
                               u"Dutch"_s,
                               u"Danish"_s,
                               u"English"_s,
                               u"Finnish"_s,
                               u"Filipino"_s,
                               u"French"_s,
                               u"Georgian"_s,
                               u"German"_s,
                               u"Greek"_s,
                               u"Hebrew"_s,
                               u"Hindi"_s,
                               u"Hungarian"_s,
                               u"Italian"_s,
                               u"Japanese"_s,
                               u"Korean"_s,
                               u"Latvian"_s,
                               u"Lithuanian"_s,
                               u"Norwegian"_s,
                               u"Pashto"_s,
                               u"Polish"_s,
                               u"Portuguese"_s,
                               u"Romanian"_s,
                               u"Russian"_s,
                               u"Serbian"_s,
                               u"Slovak"_s,
                               u"Slovenian"_s,
                               u"Spanish"_s,
                               u"Swedish"_s,
                               u"Tamil"_s,
                               u"Thai"_s,
                               u"Turkish"_s,
                               u"Ukrainian"_s,
                               u"Urdu"_s,
                               u"Vietnamese"_s};
    ASSERT_EQ(order.size(), 42);
    ASSERT_EQ(std::size(interfaceRows), 42u);

    std::vector<Entry> expected = {{33318, u"Auto Detect"_s}, Sep};
    for (const QString& name : order) {
        std::optional<LanguageRow> found;
        for (const LanguageRow& row : interfaceRows) {
            const QString label = QString::fromUtf16(row.label);
            if (label == name || label.startsWith(name + u" ("))
                found = row;
        }
        ASSERT_TRUE(found) << name.toStdString();
        // German keeps 33226 as its stored value under an id of its own (below).
        const int id = found->id == 33226 ? 33387 : found->id;
        expected.push_back({id, QString::fromUtf16(found->label)});
    }
    expected.insert(expected.end(), {Sep, {33230, u"Add New Language"_s}});
    EXPECT_EQ(at({15, 0}), expected);
}

TEST_F(TrayMenuResource, SharedId33226NamesBingCatalanAndGermanIsStoredUnderIt)
{
    const MenuItem* catalan = menu().find(33226);
    ASSERT_TRUE(catalan);
    EXPECT_EQ(catalan->text(), u"Catalan");
    EXPECT_EQ(menu().pathOf(catalan), (MenuPath{11, 1, 4}));
    EXPECT_EQ(menu().findStored(u"bing-to"_s, 33226), catalan);

    const MenuItem* german = menu().findStored(u"interface-language"_s, 33226);
    ASSERT_TRUE(german);
    EXPECT_EQ(german->text(), u"German (Deutsch)");
    EXPECT_EQ(german->commandId(), 33387);
    EXPECT_EQ(menu().findStored(u"interface-language"_s, 33387), nullptr);
}

void collect(const MenuItem& menu, std::map<int, int>& counts)
{
    for (int i = 0; i < menu.childCount(); ++i) {
        if (menu.child(i)->commandId() != 0)
            ++counts[menu.child(i)->commandId()];
        collect(*menu.child(i), counts);
    }
}

TEST_F(TrayMenuResource, EveryCommandIdIsUniqueAndNothingStartsChecked)
{
    std::map<int, int> counts;
    collect(menu().root(), counts);
    for (const auto& [id, count] : counts)
        EXPECT_EQ(count, 1) << id;
    EXPECT_EQ(counts.size(), 551u);
    for (const auto& [id, count] : counts)
        EXPECT_FALSE(menu().find(id)->isChecked()) << id;
}

TEST_F(TrayMenuResource, EachCheckGroupIsTheLanguageListOfItsMenu)
{
    const std::vector<std::pair<QString, MenuPath>> groups = {
        {u"google-from"_s, {8, 0}},    {u"google-to"_s, {8, 1}}, {u"babylon-from"_s, {9, 0}},
        {u"babylon-to"_s, {9, 1}},     {u"yahoo"_s, {10}},       {u"bing-from"_s, {11, 0}},
        {u"bing-to"_s, {11, 1}},       {u"systran"_s, {12}},     {u"promt-from"_s, {13, 0}},
        {u"promt-to"_s, {13, 1}},      {u"translator"_s, {3}},   {u"voices"_s, {22, 0}},
        {u"sound-effects"_s, {22, 1}}, {u"avatars"_s, {24}},     {u"dictionary"_s, {4}},
        {u"speech-voice"_s, {5}}};
    for (const auto& [group, path] : groups)
        EXPECT_EQ(menu().groupIds(group), menu().commandIds(path)) << group.toStdString();

    auto incoming = menu().commandIds({6});
    EXPECT_EQ(incoming.takeLast(), 33354);
    EXPECT_EQ(menu().groupIds(u"incoming"_s), incoming);
    auto interface = menu().commandIds({15, 0});
    EXPECT_EQ(interface.takeLast(), 33230);
    EXPECT_EQ(menu().groupIds(u"interface-language"_s), interface);
    EXPECT_EQ(menu().groupIds(u"hotkeys"_s),
              (QList<int>{33360, 33361, 33362, 33363, 33364, 33365}));
    EXPECT_EQ(menu().groupIds(u"music-volume"_s), (QList<int>{33198, 33199, 33200, 33201, 33202}));
}

} // namespace
} // namespace verbalink
