#include "app/menu/MenuDecoration.h"

#include "app/menu/MenuModel.h"
#include "platform/CommandId.h"
#include "translate/languages/LanguageTables.h"

#include <QHash>
#include <iterator>

namespace verbalink {

namespace {

using namespace Qt::StringLiterals;

// The six services in the order of their settings submenus, which start at position 8; the
// "Set Translator" entry and the submenu of a service show the same lettermark.
struct ServiceLogo {
    int translatorCommand;
    const char16_t* key;
};
constexpr ServiceLogo ServiceLogos[] = {{CommandId::TranslatorGoogle, u"logo-google"},
                                        {CommandId::TranslatorBabylon, u"logo-babylon"},
                                        {CommandId::TranslatorYahoo, u"logo-yahoo"},
                                        {CommandId::TranslatorBing, u"logo-bing"},
                                        {CommandId::TranslatorSysTran, u"logo-systran"},
                                        {CommandId::TranslatorPromt, u"logo-promt"}};
constexpr int FirstServicePosition = 8;

// Every other top-level entry with a picture; position 0 follows the translation switch.
struct PositionIcon {
    int position;
    const char16_t* key;
};
constexpr PositionIcon PositionIcons[] = {
    {1, u"icon-hide-original"},  {2, u"icon-encrypt"},    {3, u"icon-translator"},
    {4, u"icon-spell-check"},    {5, u"icon-speech"},     {6, u"icon-incoming"},
    {15, u"icon-preferences"},   {16, u"icon-filter"},    {18, u"icon-greetings"},
    {19, u"icon-fun-art"},       {20, u"icon-robot"},     {21, u"icon-recorder"},
    {22, u"icon-voice-changer"}, {23, u"icon-broadcast"}, {24, u"icon-avatars"},
    {26, u"icon-updates"},       {27, u"icon-homepage"},  {28, u"icon-about"},
    {29, u"icon-exit"}};

// A flag code names a country by two lowercase letters; "autodetect" and empty codes name none.
bool isCountry(const QString& flag)
{
    return flag.size() == 2 && flag.at(0).isLower() && flag.at(1).isLower();
}

// The flag key of a language, given the service's code for it and the flag code its target menu
// has for it. English shows the United States; the Google list has three more exceptions
// (Esperanto's code has no country, so its flag is drawn for the program).
QString flagKey(QByteArrayView code, QByteArrayView english, const QString& flag)
{
    static const QHash<QByteArray, QString> exceptions = {
        {"bn", u"in"_s}, {"ms", u"bn"_s}, {"eo", u"eo"_s}};
    if (code.isEmpty())
        return {};
    if (code == english)
        return u"flag-us"_s;
    const QString country = exceptions.value(code.toByteArray(), flag);
    return isCountry(country) ? u"flag-" + country : QString();
}

// The flag code a target menu gives the language with that code; empty when it has none.
QString targetFlag(const LanguageTable& targets, QByteArrayView code)
{
    const LanguageEntry* entry = targets.byCode(code);
    return entry ? entry->flag : QString();
}

// A pair's flag code is its target's, so a language's is that of a pair that ends in it.
QString pairTargetFlag(const LanguageTable& pairs, QByteArrayView language)
{
    for (const LanguageEntry& entry : pairs.entries()) {
        if (pairTargetCode(entry.code) == language)
            return entry.flag;
    }
    return {};
}

} // namespace

MenuDecoration::MenuDecoration(MenuModel& menu) : m_menu(menu) {}

void MenuDecoration::applyFlags()
{
    flagSourceAndTarget(LanguageMenu::GoogleSource, LanguageMenu::GoogleTarget, "en");
    flagIncoming();
    flagSourceAndTarget(LanguageMenu::BabylonSource, LanguageMenu::BabylonTarget, "0");
    flagSourceAndTarget(LanguageMenu::BingSource, LanguageMenu::BingTarget, "en");
    flagPairs(LanguageMenu::Yahoo);
    flagPairs(LanguageMenu::SysTran);
    flagSourceAndTarget(LanguageMenu::PromtSource, LanguageMenu::PromtTarget, "e");
}

void MenuDecoration::applyIcons(bool translationEnabled)
{
    for (const ServiceLogo& logo : ServiceLogos)
        m_menu.setImage(logo.translatorCommand, QString::fromUtf16(logo.key));
    for (int position = 0; position < m_menu.root().childCount(); ++position) {
        const QString key = topLevelKey(position, translationEnabled);
        if (!key.isEmpty())
            m_menu.setImageAt({position}, key);
    }
}

void MenuDecoration::showTranslationState(bool translationEnabled)
{
    m_menu.setImageAt({0}, topLevelKey(0, translationEnabled));
}

QString MenuDecoration::topLevelKey(int position, bool translationEnabled)
{
    if (position == 0)
        return translationEnabled ? u"icon-off"_s : u"icon-on"_s;
    const int service = position - FirstServicePosition;
    if (service >= 0 && service < static_cast<int>(std::size(ServiceLogos)))
        return QString::fromUtf16(ServiceLogos[service].key);
    for (const PositionIcon& icon : PositionIcons) {
        if (icon.position == position)
            return QString::fromUtf16(icon.key);
    }
    return {};
}

void MenuDecoration::flagSourceAndTarget(LanguageMenu source, LanguageMenu target,
                                         QByteArrayView english)
{
    const LanguageTable& sources = LanguageTables::table(source);
    for (const LanguageEntry& entry : LanguageTables::table(target).entries()) {
        const QString key = flagKey(entry.code, english, entry.flag);
        if (key.isEmpty())
            continue;
        if (const LanguageEntry* sameLanguage = sources.byCode(entry.code))
            m_menu.setImage(sameLanguage->commandId, key);
        m_menu.setImage(entry.commandId, key);
    }
}

void MenuDecoration::flagIncoming()
{
    const LanguageTable& targets = LanguageTables::table(LanguageMenu::GoogleTarget);
    for (const LanguageEntry& entry : LanguageTables::table(LanguageMenu::Incoming).entries()) {
        const QString key = flagKey(entry.code, "en", targetFlag(targets, entry.code));
        if (!key.isEmpty())
            m_menu.setImage(entry.commandId, key);
    }
}

void MenuDecoration::flagPairs(LanguageMenu pairs)
{
    const LanguageTable& table = LanguageTables::table(pairs);
    for (const LanguageEntry& entry : table.entries()) {
        const QByteArrayView source = pairSourceCode(entry.code);
        const QString key = flagKey(source, "en", pairTargetFlag(table, source));
        if (!key.isEmpty())
            m_menu.setImage(entry.commandId, key);
    }
}

} // namespace verbalink
