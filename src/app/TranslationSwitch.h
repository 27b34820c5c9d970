#pragma once

#include <QObject>
#include <QString>
#include <atomic>

namespace verbalink {

class MenuModel;
class RegistryStore;

// The on/off switch of translation: flips the flag, relabels its tray entry and stores the state
// as `State`. Workers may read isEnabled() from any thread; toggling is for the GUI thread.
class TranslationSwitch final : public QObject {
    Q_OBJECT
public:
    // The entry that carries the switch in the tray menu.
    static constexpr int CommandId = 32857;

    // The menu and the store must outlive the switch. Translation starts enabled.
    TranslationSwitch(MenuModel& menu, RegistryStore& store, QObject* parent = nullptr);

    bool isEnabled() const { return m_enabled.load(); }
    // The entry's texts in the interface language: shown while enabled (it offers to disable)
    // and while disabled. The entry is relabelled at the next toggle.
    void setLabels(const QString& disableText, const QString& enableText);

    // Inverts the state, relabels the entry, writes `State` and emits changed(); returns the
    // new state. A failed write leaves the switch flipped: the store reports its own errors.
    bool toggle();

Q_SIGNALS:
    void changed(bool enabled);

private:
    MenuModel& m_menu;
    RegistryStore& m_store;
    std::atomic<bool> m_enabled{true};
    QString m_disableText;
    QString m_enableText;
};

} // namespace verbalink
