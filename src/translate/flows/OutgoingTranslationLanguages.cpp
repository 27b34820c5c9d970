#include "translate/flows/OutgoingTranslationLanguages.h"

#include "translate/languages/LanguageTables.h"

namespace verbalink {

namespace {

EngineLanguages fromMenus(const LanguageSnapshot& snapshot, LanguageMenu source,
                          LanguageMenu target)
{
    return {snapshot.choice(source), snapshot.choice(target), &LanguageTables::table(target)};
}

EngineLanguages fromPair(const LanguageSnapshot& snapshot, LanguageMenu pair)
{
    return {{}, snapshot.choice(pair), &LanguageTables::table(pair)};
}

} // namespace

EngineLanguages outgoingEngineLanguages(const LanguageSnapshot& snapshot)
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

} // namespace verbalink
