#include "app/i18n/InterfaceLanguage.h"

#include "app/StoredSettings.h"
#include "app/TranslationSwitch.h"
#include "app/i18n/InterfaceLanguageTable.h"
#include "app/i18n/MenuRelabelling.h"
#include "app/menu/MenuModel.h"

namespace verbalink {

namespace {

const QString Group = QStringLiteral("interface-language");

} // namespace

InterfaceLanguage::InterfaceLanguage(MenuModel& menu, StoredSettings& settings,
                                     TranslationSwitch& translation, QString translationsDir,
                                     QObject* parent)
    : QObject(parent), m_menu(menu), m_settings(settings), m_translation(translation),
      m_translationsDir(std::move(translationsDir))
{}

void InterfaceLanguage::restore(int storedId, const QByteArray& clientCode)
{
    const MenuItem* entry = m_menu.findStored(Group, storedId);
    select(entry ? entry->commandId() : CommandId::InterfaceEnglish, clientCode);
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
    if (m_currentId == CommandId::InterfaceAutoDetect)
        select(CommandId::InterfaceAutoDetect, clientCode);
}

void InterfaceLanguage::select(int commandId, const QByteArray& clientCode)
{
    m_menu.checkInGroup(commandId);
    const bool changed = commandId != m_currentId;
    m_currentId = commandId;
    const MenuItem* entry = m_menu.find(commandId);
    m_settings.set(&Settings::menuLanguage, entry ? entry->storedId() : commandId);
    if (commandId == CommandId::InterfaceAutoDetect) {
        const InterfaceLanguageEntry* reported = interfaceLanguageByClientCode(clientCode);
        apply(reported ? reported->commandId : CommandId::InterfaceEnglish);
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
    using enum InterfaceSlot;
    if (m_strings.has(DisableTranslation) && m_strings.has(EnableTranslation))
        m_translation.setLabels(m_strings.text(DisableTranslation),
                                m_strings.text(EnableTranslation));
    Q_EMIT applied(languageId);
}

InterfaceStrings InterfaceLanguage::tableOf(int languageId) const
{
    const InterfaceLanguageEntry* language = interfaceLanguageById(languageId);
    if (!language || languageId == CommandId::InterfaceEnglish)
        return InterfaceStrings::english();
    const QString path =
        m_translationsDir + u"/verbalink_" + QString::fromLatin1(language->fileCode) + u".qm";
    // A table that cannot be read leaves the labels in English rather than empty.
    return InterfaceStrings::fromTranslation(path).value_or(InterfaceStrings::english());
}

} // namespace verbalink
