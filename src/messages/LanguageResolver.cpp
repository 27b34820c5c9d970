#include "messages/LanguageResolver.h"

#include "messages/ContactsPort.h"
#include "translate/filter/PerUserLanguageSource.h"
#include "translate/languages/LanguageTables.h"

namespace verbalink {

namespace {

constexpr QByteArrayView Autodetect = "autodetect";

EngineMenus fromMenus(const LanguageSnapshot& snapshot, LanguageMenu source, LanguageMenu target)
{
    return {snapshot.choice(source), snapshot.choice(target), &LanguageTables::table(target)};
}

EngineMenus fromPair(const LanguageSnapshot& snapshot, LanguageMenu pair)
{
    return {{}, snapshot.choice(pair), &LanguageTables::table(pair)};
}

} // namespace

LanguageResolver::LanguageResolver(PerUserLanguageSource& rules, ContactsPort& contacts)
    : m_rules(rules), m_contacts(contacts)
{}

EngineMenus LanguageResolver::menusOf(const LanguageSnapshot& snapshot)
{
    switch (snapshot.translator) {
    case TranslatorId::Google:
        break;
    case TranslatorId::Yahoo:
        return fromPair(snapshot, LanguageMenu::Yahoo);
    case TranslatorId::Bing:
        return fromMenus(snapshot, LanguageMenu::BingSource, LanguageMenu::BingTarget);
    case TranslatorId::Babylon:
        return fromMenus(snapshot, LanguageMenu::BabylonSource, LanguageMenu::BabylonTarget);
    case TranslatorId::SysTran:
        return fromPair(snapshot, LanguageMenu::SysTran);
    case TranslatorId::Promt:
        return fromMenus(snapshot, LanguageMenu::PromtSource, LanguageMenu::PromtTarget);
    }
    return fromMenus(snapshot, LanguageMenu::GoogleSource, LanguageMenu::GoogleTarget);
}

ResolvedLanguages LanguageResolver::resolve(const LanguageSnapshot& snapshot,
                                            const QString& partner) const
{
    const EngineMenus menus = menusOf(snapshot);
    ResolvedLanguages languages;
    switch (snapshot.translator) {
    case TranslatorId::Yahoo:
    case TranslatorId::SysTran:
        // One pair, no per-contact languages.
        languages.target = menus.target.code;
        languages.flag = menus.target.flag;
        break;
    case TranslatorId::Bing:
        languages = resolve(EngineMapping::Bing, menus, partner);
        break;
    case TranslatorId::Babylon:
        languages = resolve(EngineMapping::Babylon, menus, partner);
        break;
    case TranslatorId::Promt:
        languages = resolve(EngineMapping::Promt, menus, partner);
        break;
    case TranslatorId::Google:
    default:
        languages = resolve(EngineMapping::Google, menus, partner);
        break;
    }
    languages.translator = snapshot.translator;
    return languages;
}

ResolvedLanguages LanguageResolver::resolve(EngineMapping mapping, const EngineMenus& menus,
                                            const QString& partner) const
{
    const QByteArray perUser = perUserLanguage(partner);
    ResolvedLanguages languages;
    languages.source = menus.source.code;
    if (menus.target.code == Autodetect) {
        const QByteArray language =
            perUser.isEmpty() ? m_contacts.partnerLanguage(partner) : perUser;
        languages.target = mapPartnerLanguage(mapping, language);
    } else if (!perUser.isEmpty()) {
        languages.target = mapPartnerLanguage(mapping, perUser);
    } else {
        languages.target = menus.target.code;
    }
    if (languages.source == languages.target) {
        languages.same = true;
        return languages;
    }
    if (menus.target.flag != QLatin1String("autodetect") && perUser.isEmpty()) {
        languages.flag = menus.target.flag;
    } else if (menus.targetTable) {
        if (const LanguageEntry* entry = menus.targetTable->byCode(languages.target))
            languages.flag = entry->flag;
    }
    return languages;
}

QByteArray LanguageResolver::perUserLanguage(const QString& partner) const
{
    if (!m_rules.hasRules())
        return {};
    return m_rules.perUserLanguage(partner);
}

} // namespace verbalink
