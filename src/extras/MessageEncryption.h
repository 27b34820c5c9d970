#pragma once

#include "platform/CommandId.h"

#include <QObject>
#include <atomic>
#include <functional>

namespace verbalink {

// The "Encrypt Message" menu commands and what follows a deciphered message: the encryption
// switch (off at every start), the EncryptPopup option and opening the decrypted view.
class MessageEncryption final : public QObject {
    Q_OBJECT
public:
    // The three commands, as the message wiring lists them.
    static constexpr int EnableCommand = CommandId::EnableEncryption;
    static constexpr int ViewCommand = CommandId::ViewDecrypted;
    static constexpr int AutoPopupCommand = CommandId::DecryptedAutoPopup;

    struct Ports {
        // Sets a menu item's check mark.
        std::function<void(int command, bool checked)> setChecked;
        // Stores EncryptPopup at once.
        std::function<void(bool on)> writePopup;
        // Whether the decrypted-messages view is open; asked from decryption threads.
        std::function<bool()> isViewOpen;
        // Opens the decrypted-messages view (GUI thread).
        std::function<void()> openView;
    };

    MessageEncryption(bool popupOn, Ports ports, QObject* parent = nullptr);

    // Runs one of the three commands; false for any other id.
    bool handleCommand(int command);

    bool isEnabled() const { return m_enabled; }
    bool isPopupOn() const { return m_popup; }

    // After a deciphered line was listed (any thread): an open view refreshes itself from the
    // list; a closed one is asked to open when EncryptPopup is on.
    void messageListed();

Q_SIGNALS:
    // Emitted on the decryption thread; the app connects it, queued, to "View Messages".
    void viewRequested();

private:
    void check(int command, bool checked);

    Ports m_ports;
    std::atomic<bool> m_enabled{false};
    std::atomic<bool> m_popup;
};

} // namespace verbalink
