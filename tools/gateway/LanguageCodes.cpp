#include "gateway/LanguageCodes.h"

namespace verbalink::gateway::LanguageCodes {

namespace {

// The languages of the services' menus, of the detector and of the usual Apertium pairs.
constexpr CodeName Table[] = {
    {"af", "afr"},
    {"an", "arg"},
    {"ar", "ara"},
    {"az", "aze"},
    {"be", "bel"},
    {"bg", "bul"},
    {"bn", "ben"},
    {"br", "bre"},
    {"bs", "bos"},
    {"ca", "cat"},
    {"co", "cos"},
    {"cs", "ces"},
    {"cy", "cym"},
    {"da", "dan"},
    {"de", "deu"},
    {"el", "ell"},
    {"en", "eng"},
    {"eo", "epo"},
    {"es", "spa"},
    {"et", "est"},
    {"eu", "eus"},
    {"fa", "fas"},
    {"fi", "fin"},
    {"fo", "fao"},
    {"fr", "fra"},
    {"ga", "gle"},
    {"gd", "gla"},
    {"gl", "glg"},
    {"gu", "guj"},
    {"he", "heb"},
    {"hi", "hin"},
    {"hr", "hrv"},
    {"ht", "hat"},
    {"hu", "hun"},
    {"hy", "hye"},
    {"id", "ind"},
    {"is", "isl"},
    {"it", "ita"},
    {"ja", "jpn"},
    {"ka", "kat"},
    {"kk", "kaz"},
    {"ko", "kor"},
    {"ky", "kir"},
    {"la", "lat"},
    {"lt", "lit"},
    {"lv", "lav"},
    {"mk", "mkd"},
    {"ms", "msa"},
    {"mt", "mlt"},
    {"nb", "nob"},
    {"nl", "nld"},
    {"nn", "nno"},
    {"no", "nob"},
    {"oc", "oci"},
    {"pl", "pol"},
    {"pt", "por"},
    {"ro", "ron"},
    {"ru", "rus"},
    {"sc", "srd"},
    {"se", "sme"},
    {"sk", "slk"},
    {"sl", "slv"},
    {"so", "som"},
    {"sq", "sqi"},
    {"sr", "srp"},
    {"sv", "swe"},
    {"sw", "swa"},
    {"te", "tel"},
    {"th", "tha"},
    {"tl", "tgl"},
    {"tr", "tur"},
    {"tt", "tat"},
    {"uk", "ukr"},
    {"ur", "urd"},
    {"uz", "uzb"},
    {"vi", "vie"},
    {"yi", "yid"},
    {"zh", "zho"},
    // Old and service-specific names.
    {"iw", "heb"},
    {"ji", "yid"},
    {"in", "ind"},
    {"zt", "zho"},
};

bool allLetters(QByteArrayView code)
{
    for (const char c : code) {
        if (c < 'a' || c > 'z')
            return false;
    }
    return true;
}

} // namespace

QByteArray lookUp(std::span<const CodeName> table, QByteArrayView code)
{
    for (const CodeName& entry : table) {
        if (code == entry.code)
            return entry.language;
    }
    return {};
}

QByteArray toThreeLetters(QByteArrayView code)
{
    QByteArray base = code.toByteArray().toLower();
    const qsizetype region = base.indexOf('-');
    if (region >= 0)
        base.truncate(region);
    if (!allLetters(base))
        return {};
    if (base.size() == 3)
        return base;
    return lookUp(Table, base);
}

QByteArray toTwoLetters(QByteArrayView threeLetters)
{
    for (const CodeName& names : Table) {
        if (threeLetters == names.language)
            return names.code;
    }
    return {};
}

} // namespace verbalink::gateway::LanguageCodes
