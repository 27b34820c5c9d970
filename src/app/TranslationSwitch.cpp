#include "app/TranslationSwitch.h"

#include "app/SettingAccess.h"
#include "app/Settings.h"
#include "app/menu/MenuDecoration.h"
#include "app/menu/MenuModel.h"

namespace verbalink {

TranslationSwitch::TranslationSwitch(MenuModel& menu, RegistryStore& store, QObject* parent)
    : QObject(parent), m_menu(menu), m_store(store),
      m_disableText(QStringLiteral("Disable Translation")),
      m_enableText(QStringLiteral("Enable Translation"))
{}

void TranslationSwitch::setLabels(const QString& disableText, const QString& enableText)
{
    m_disableText = disableText;
    m_enableText = enableText;
}

bool TranslationSwitch::toggle()
{
    const bool enabled = !m_enabled.load();
    m_enabled.store(enabled);
    m_menu.setText(CommandId, enabled ? m_disableText : m_enableText);
    MenuDecoration(m_menu).showTranslationState(enabled);
    const SettingDefinition* state = settingFor(&Settings::state);
    writeSetting(m_store, QString::fromUtf16(SettingsKeyPath), QString::fromUtf16(state->name),
                 enabled ? QStringLiteral("1") : QStringLiteral("0"));
    Q_EMIT changed(enabled);
    return enabled;
}

} // namespace verbalink
