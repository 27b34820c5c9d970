#pragma once

#include <QElapsedTimer>
#include <QIcon>
#include <QObject>
#include <QSystemTrayIcon>

namespace verbalink {

class DebugLog;
class TrayMenuView;

// The tray icon: shows whether translation is on and turns clicks into the menu, the
// translation toggle and the debug log. Works without a system tray too (it is then never shown,
// and openMenu() still serves the second-instance hand-off).
class TrayIcon final : public QObject {
    Q_OBJECT
public:
    // The menu view and the log must outlive the icon. debugLevel non-zero lets a right double
    // click toggle the debug log.
    TrayIcon(TrayMenuView& menuView, DebugLog& log, int debugLevel, QObject* parent = nullptr);
    ~TrayIcon() override;

    static QString toolTipText();
    QIcon enabledIcon() const { return m_enabledIcon; }
    QIcon disabledIcon() const { return m_disabledIcon; }
    QSystemTrayIcon& systemTrayIcon() { return m_tray; }

    // Puts the icon in the tray; false when the desktop has no tray.
    bool show();
    void hide();
    void setTranslationEnabled(bool enabled);
    // Opens the tray menu at the mouse cursor.
    void openMenu();

Q_SIGNALS:
    // A menu command to run, as if chosen from the menu (the left double click's toggle).
    void commandRequested(int commandId);

private:
    void onActivated(QSystemTrayIcon::ActivationReason reason);
    void onContextClick();

    TrayMenuView& m_menuView;
    DebugLog& m_log;
    int m_debugLevel;
    QIcon m_enabledIcon;
    QIcon m_disabledIcon;
    QSystemTrayIcon m_tray;
    // Time since the last right click that was not part of a double click.
    QElapsedTimer m_lastContext;
};

} // namespace verbalink
