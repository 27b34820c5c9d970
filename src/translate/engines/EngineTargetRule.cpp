#include "translate/engines/EngineTargetRule.h"

#include "translate/engines/EngineLanguageSources.h"

#include <utility>

namespace verbalink {

namespace {

constexpr QByteArrayView Autodetect = "autodetect";

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

EngineTargetRule::EngineTargetRule(PartnerLanguageSource* partner, PerUserLanguageSource* perUser)
    : m_partner(partner), m_perUser(perUser)
{}

EngineTarget EngineTargetRule::choose(EngineMapping mapping, const EngineLanguages& languages,
                                      const EngineCall& call) const
{
    const QByteArray& source = languages.source.code;
    const QByteArray& menuTarget = languages.target.code;
    const QByteArray perUser = perUserLanguage(call.partner);

    EngineTarget target;
    if (menuTarget == Autodetect) {
        const QByteArray language = perUser.isEmpty() ? partnerLanguage(call.messageId) : perUser;
        target.code = mapPartnerLanguage(mapping, language);
    } else if (!perUser.isEmpty()) {
        target.code = mapPartnerLanguage(mapping, perUser);
    } else {
        target.code = menuTarget;
    }
    if (source == target.code) {
        target.skipped = true;
        return target;
    }

    if (languages.target.flag != QLatin1String("autodetect") && perUser.isEmpty()) {
        target.flag = languages.target.flag;
    } else if (languages.targetTable) {
        if (const LanguageEntry* entry = languages.targetTable->byCode(target.code))
            target.flag = entry->flag;
    }
    return target;
}

QByteArray EngineTargetRule::perUserLanguage(const QString& partner) const
{
    if (!m_perUser || !m_perUser->hasRules())
        return {};
    return m_perUser->perUserLanguage(partner);
}

QByteArray EngineTargetRule::partnerLanguage(qint32 messageId) const
{
    if (!m_partner)
        return "en";
    return m_partner->partnerLanguage(messageId);
}

} // namespace verbalink
