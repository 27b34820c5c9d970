#include "ui/TrayIcon.h"

#include "app/DebugLog.h"
#include "platform/CommandId.h"
#include "ui/TrayMenuView.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>

namespace verbalink {

TrayIcon::TrayIcon(TrayMenuView& menuView, DebugLog& log, int debugLevel, QObject* parent)
    : QObject(parent), m_menuView(menuView), m_log(log), m_debugLevel(debugLevel),
      m_enabledIcon(QStringLiteral(":/icons/translation-on.svg")),
      m_disabledIcon(QStringLiteral(":/icons/translation-off.svg"))
{
    m_tray.setIcon(m_enabledIcon);
    m_tray.setToolTip(toolTipText());
    // No setContextMenu(): the tray would then open the menu itself and a right click would
    // never reach onActivated(), where the right double click is recognised.
    connect(&m_tray, &QSystemTrayIcon::activated, this, &TrayIcon::onActivated);
}

TrayIcon::~TrayIcon() = default;

QString TrayIcon::toolTipText()
{
    return QStringLiteral("Verbalink for Skype");
}

bool TrayIcon::show()
{
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return false;
    m_tray.show();
    return true;
}

void TrayIcon::hide()
{
    m_tray.hide();
}

void TrayIcon::setTranslationEnabled(bool enabled)
{
    m_tray.setIcon(enabled ? m_enabledIcon : m_disabledIcon);
}

void TrayIcon::openMenu()
{
    m_menuView.menu()->popup(QCursor::pos());
}

void TrayIcon::onActivated(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Context:
        onContextClick();
        break;
    case QSystemTrayIcon::DoubleClick:
        Q_EMIT commandRequested(CommandId::ToggleTranslation);
        break;
    default:
        break;
    }
}

// QSystemTrayIcon reports no right double click, so two right clicks within the double-click
// interval stand for one. The first has already opened the menu.
void TrayIcon::onContextClick()
{
    const bool doubleClick =
        m_lastContext.isValid() && m_lastContext.elapsed() <= QApplication::doubleClickInterval();
    if (!doubleClick) {
        m_lastContext.start();
        openMenu();
        return;
    }
    // A third click starts afresh instead of pairing with the second.
    m_lastContext.invalidate();
    if (m_debugLevel == 0) {
        openMenu();
        return;
    }
    m_menuView.menu()->hide();
    m_log.toggleVisible();
}

} // namespace verbalink
