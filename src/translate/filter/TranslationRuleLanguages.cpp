#include "translate/filter/TranslationRuleLanguages.h"

namespace verbalink {

namespace {

struct RawEntry {
    const char16_t* code;
    const char16_t* name;
};

// "Guarati" is the name as users have always seen it in this list.
constexpr RawEntry RawEntries[] = {
    {u"00", u"DISABLED"},
    {u"af", u"Afrikaans"},
    {u"sq", u"Albanian"},
    {u"ar", u"Arabic"},
    {u"hy", u"Armenian"},
    {u"az", u"Azerbaijani"},
    {u"eu", u"Basque"},
    {u"be", u"Belarusian"},
    {u"bn", u"Bengali"},
    {u"bg", u"Bulgarian"},
    {u"ca", u"Catalan"},
    {u"zh-hans", u"Chinese Simplified"},
    {u"zh-hant", u"Chinese Traditional"},
    {u"hr", u"Croatian"},
    {u"cs", u"Czech"},
    {u"da", u"Danish"},
    {u"nl", u"Dutch"},
    {u"en", u"English"},
    {u"et", u"Estonian"},
    {u"tl", u"Filipino"},
    {u"fi", u"Finnish"},
    {u"fr", u"French"},
    {u"gl", u"Galician"},
    {u"ka", u"Georgian"},
    {u"de", u"German"},
    {u"el", u"Greek"},
    {u"gu", u"Guarati"},
    {u"ht", u"Haitian"},
    {u"iw", u"Hebrew"},
    {u"hi", u"Hindi"},
    {u"hu", u"Hungarian"},
    {u"is", u"Icelandic"},
    {u"id", u"Indonesian"},
    {u"ga", u"Irish"},
    {u"it", u"Italian"},
    {u"ja", u"Japanese"},
    {u"ko", u"Korean"},
    {u"la", u"Latin"},
    {u"lv", u"Latvian"},
    {u"lt", u"Lithuanian"},
    {u"mk", u"Macedonian"},
    {u"ms", u"Malay"},
    {u"mt", u"Maltese"},
    {u"no", u"Norwegian"},
    {u"ps", u"Pashto"},
    {u"fa", u"Persian"},
    {u"pl", u"Polish"},
    {u"pt", u"Portuguese"},
    {u"ro", u"Romanian"},
    {u"ru", u"Russian"},
    {u"sr", u"Serbian"},
    {u"sk", u"Slovak"},
    {u"sl", u"Slovenian"},
    {u"es", u"Spanish"},
    {u"sw", u"Swahili"},
    {u"sv", u"Swedish"},
    {u"ta", u"Tamil"},
    {u"te", u"Telugu"},
    {u"th", u"Thai"},
    {u"tr", u"Turkish"},
    {u"uk", u"Ukrainian"},
    {u"ur", u"Urdu"},
    {u"vi", u"Vietnamese"},
    {u"cy", u"Welsh"},
    {u"yi", u"Yiddish"},
};

QList<TranslationRuleLanguages::Entry> buildEntries()
{
    QList<TranslationRuleLanguages::Entry> entries;
    entries.reserve(std::size(RawEntries));
    for (const RawEntry& raw : RawEntries)
        entries.append({QString::fromUtf16(raw.code), QString::fromUtf16(raw.name)});
    return entries;
}

} // namespace

const QList<TranslationRuleLanguages::Entry>& TranslationRuleLanguages::entries()
{
    static const QList<Entry> table = buildEntries();
    return table;
}

QStringList TranslationRuleLanguages::names()
{
    QStringList result;
    for (const Entry& entry : entries())
        result.append(entry.name);
    return result;
}

QString TranslationRuleLanguages::nameOf(const QString& code)
{
    const qsizetype index = indexOfCode(code);
    return index < 0 ? QString() : entries().at(index).name;
}

qsizetype TranslationRuleLanguages::indexOfCode(const QString& code)
{
    const QList<Entry>& table = entries();
    for (qsizetype i = 0; i < table.size(); ++i)
        if (table.at(i).code == code)
            return i;
    return -1;
}

qsizetype TranslationRuleLanguages::indexOfName(const QString& name)
{
    const QList<Entry>& table = entries();
    for (qsizetype i = 0; i < table.size(); ++i)
        if (table.at(i).name == name)
            return i;
    return -1;
}

} // namespace verbalink
