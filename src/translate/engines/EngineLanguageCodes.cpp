#include "translate/engines/EngineLanguageCodes.h"

#include <cstddef>

namespace verbalink {

namespace {

struct CodePair {
    QByteArrayView from;
    QByteArrayView to;
};

constexpr CodePair GoogleCodes[] = {
    {"zh-Hans", "zh-CN"}, {"zh-Hant", "zh-TW"}, {"zh", "zh-CN"}, {"pt-BR", "pt"}};

constexpr CodePair BingCodes[] = {
    {"zh-Hans", "zh-CHS"}, {"zh-Hant", "zh-CHT"}, {"zh", "zh-CHS"}, {"pt-BR", "pt"}};

constexpr CodePair BabylonCodes[] = {
    {"ar", "15"}, {"zh-Hans", "10"}, {"zh-Hant", "9"}, {"zh", "9"},  {"cs", "31"}, {"da", "43"},
    {"de", "6"},  {"el", "11"},      {"en", "0"},      {"es", "3"},  {"fr", "1"},  {"he", "14"},
    {"it", "2"},  {"ja", "8"},       {"ko", "12"},     {"hu", "30"}, {"nl", "4"},  {"no", "46"},
    {"pt", "5"},  {"pl", "29"},      {"ro", "47"},     {"ru", "7"},  {"sv", "48"}, {"tr", "13"},
    {"uk", "24"}, {"hi", "60"},      {"fa", "51"},     {"so", "61"}, {"ur", "39"}, {"th", "16"}};

constexpr CodePair PromtCodes[] = {{"de", "g"}, {"en", "e"}, {"es", "s"}, {"fr", "f"},
                                   {"it", "i"}, {"pt", "p"}, {"ru", "r"}};

template <std::size_t N>
QByteArray lookUp(const CodePair (&pairs)[N], QByteArrayView language, QByteArrayView otherwise)
{
    for (const CodePair& pair : pairs) {
        if (pair.from == language)
            return pair.to.toByteArray();
    }
    return otherwise.toByteArray();
}

} // namespace

QByteArray mapPartnerLanguage(EngineMapping mapping, QByteArrayView language)
{
    switch (mapping) {
    case EngineMapping::Google:
        return lookUp(GoogleCodes, language, language);
    case EngineMapping::Bing:
        return lookUp(BingCodes, language, language);
    case EngineMapping::Babylon:
        return lookUp(BabylonCodes, language, "0");
    case EngineMapping::Promt:
        return lookUp(PromtCodes, language, "e");
    }
    return language.toByteArray();
}

} // namespace verbalink
