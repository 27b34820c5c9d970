#pragma once

#include <QObject>
#include <QString>
#include <atomic>

namespace verbalink {

class MenuModel;
class StoredSettings;

// The on/off switch of translation: flips the flag, relabels its tray entry and stores the state
// as `State`. Workers may read isEnabled() from any thread; toggling is for the GUI thread.
class TranslationSwitch final : public QObject {
    Q_OBJECT
public:
    // The menu and the settings must outlive the switch. Translation starts enabled.
    TranslationSwitch(MenuModel& menu, StoredSettings& settings, QObject* parent = nullptr);

    bool isEnabled() const { return m_enabled.load(); }
    // The entry's texts in the interface language: shown while enabled (it offers to disable)
    // and while disabled. The entry is relabelled at the next toggle.
    void setLabels(const QString& disableText, const QString& enableText);

    // Inverts the state, relabels the entry, stores `State` and emits changed(); returns the
    // new state. A failed write leaves the switch flipped: the store reports its own errors.
    bool toggle();

Q_SIGNALS:
    void changed(bool enabled);

private:
    MenuModel& m_menu;
    StoredSettings& m_settings;
    std::atomic<bool> m_enabled{true};
    QString m_disableText;
    QString m_enableText;
};

} // namespace verbalink
