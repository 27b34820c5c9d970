#include "app/i18n/InterfaceLanguage.h"

#include "app/SettingAccess.h"
#include "app/Settings.h"
#include "app/TranslationSwitch.h"
#include "app/i18n/InterfaceLanguageTable.h"
#include "app/i18n/MenuRelabelling.h"
#include "app/menu/MenuModel.h"

namespace verbalink {

namespace {

const QString Group = QStringLiteral("interface-language");

} // namespace

InterfaceLanguage::InterfaceLanguage(MenuModel& menu, RegistryStore& store,
                                     TranslationSwitch& translation, QString translationsDir,
                                     QObject* parent)
    : QObject(parent), m_menu(menu), m_store(store), m_translation(translation),
      m_translationsDir(std::move(translationsDir))
{}

void InterfaceLanguage::restore(int storedId, const QByteArray& clientCode)
{
    const MenuItem* entry = m_menu.findStored(Group, storedId);
    select(entry ? entry->commandId() : EnglishId, clientCode);
}

bool InterfaceLanguage::selectCommand(int commandId, const QByteArray& clientCode)
{
    const MenuItem* entry = m_menu.find(commandId);
    if (!entry || entry->group() != Group)
        return false;
    select(commandId, clientCode);
    return true;
}

void InterfaceLanguage::followClient(const QByteArray& clientCode)
{
    if (m_currentId == AutoDetectId)
        select(AutoDetectId, clientCode);
}

void InterfaceLanguage::select(int commandId, const QByteArray& clientCode)
{
    m_menu.checkInGroup(commandId);
    const bool changed = commandId != m_currentId;
    m_currentId = commandId;
    const MenuItem* entry = m_menu.find(commandId);
    const SettingDefinition* stored = settingFor(&Settings::menuLanguage);
    writeSetting(m_store, QString::fromUtf16(SettingsKeyPath), QString::fromUtf16(stored->name),
                 QString::number(entry ? entry->storedId() : commandId));
    if (commandId == AutoDetectId) {
        const InterfaceLanguageEntry* reported = interfaceLanguageByClientCode(clientCode);
        apply(reported ? reported->commandId : EnglishId);
    } else {
        apply(commandId);
    }
    if (changed)
        Q_EMIT choiceChanged(commandId);
}

void InterfaceLanguage::apply(int languageId)
{
    m_appliedId = languageId;
    m_strings = tableOf(languageId);
    relabelMenu(m_menu, m_strings, m_translation.isEnabled());
    if (m_strings.has(0) && m_strings.has(1))
        m_translation.setLabels(m_strings.text(0), m_strings.text(1));
    Q_EMIT applied(languageId);
}

InterfaceStrings InterfaceLanguage::tableOf(int languageId) const
{
    const InterfaceLanguageEntry* language = interfaceLanguageById(languageId);
    if (!language || languageId == EnglishId)
        return InterfaceStrings::english();
    const QString path =
        m_translationsDir + u"/verbalink_" + QString::fromLatin1(language->fileCode) + u".qm";
    // A table that cannot be read leaves the labels in English rather than empty.
    return InterfaceStrings::fromTranslation(path).value_or(InterfaceStrings::english());
}

} // namespace verbalink
