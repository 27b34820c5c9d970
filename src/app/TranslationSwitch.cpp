#include "app/TranslationSwitch.h"

#include "app/StoredSettings.h"
#include "app/menu/MenuDecoration.h"
#include "app/menu/MenuModel.h"
#include "platform/CommandId.h"

namespace verbalink {

TranslationSwitch::TranslationSwitch(MenuModel& menu, StoredSettings& settings, QObject* parent)
    : QObject(parent), m_menu(menu), m_settings(settings),
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
    m_menu.setText(CommandId::ToggleTranslation, enabled ? m_disableText : m_enableText);
    MenuDecoration(m_menu).showTranslationState(enabled);
    m_settings.setFlag(&Settings::state, enabled);
    Q_EMIT changed(enabled);
    return enabled;
}

} // namespace verbalink
