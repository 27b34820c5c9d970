#pragma once

#include "app/i18n/InterfaceSlot.h"
#include "extras/MessageList.h"
#include "extras/RobotUsers.h"
#include "messages/IncomingOptions.h"
#include "messages/OutgoingOptions.h"
#include "messages/TranslationChatLink.h"
#include "program/AppMessageFeatures.h"
#include "skype/ContactLookups.h"
#include "translate/engines/EngineDispatcher.h"
#include "translate/filter/TranslationFilter.h"
#include "ui/ContactDialogOpener.h"
#include "ui/DialogToggle.h"

#include <QObject>
#include <functional>
#include <memory>

namespace verbalink {

class ChatRobot;
class Clock;
class DecryptionHandler;
class HandleCipher;
class IncomingTranslation;
class LanguageSelection;
class MenuModel;
class MessageBoxPort;
class MessageEncryption;
class MessageViewDialog;
class OutgoingSpellCheck;
class OutgoingTranslation;
class PopupPresenter;
class RegistryStore;
class RobotSettingsForm;
class RobotUsersForm;
class ServiceConnections;
class SkypeConnection;
class TranslationFilterDialog;
class TranslationFilterForm;
struct ServiceHosts;
struct Settings;

// What happens to chat messages: the outgoing and incoming translation, the user translation
// filter and the encryption between two copies, plugged into the link, with their menu commands
// and message views.
class MessagePipeline : public QObject {
    Q_OBJECT
public:
    struct Links {
        SkypeConnection& link;
        ServiceConnections& connections;
        const LanguageSelection& languages;
        MessageBoxPort& boxes;
        Clock& clock;
        RegistryStore& registry;
        MenuModel& menu;
        // A text of the current interface language by its slot.
        std::function<QString(InterfaceSlot slot)> interfaceText;
    };

    MessagePipeline(Links links, const ServiceHosts& hosts, const Settings& settings);
    ~MessagePipeline() override;

    // The feature switches the link reads; the program sets translation on and off here.
    AppMessageFeatures& features() { return *m_features; }
    void setTranslationEnabled(bool on);
    void setIncomingTranslationEnabled(bool on);
    // Plugs in the spell check of outgoing messages, and switches it on and off.
    void setSpellCheck(std::shared_ptr<OutgoingSpellCheck> spellCheck);
    void setSpellCheckEnabled(bool on);
    // The menu commands these features own, and running one; false for any other id.
    static QList<int> commandIds();
    bool handleCommand(int commandId);
    // The display options the menu toggles.
    void setShowFlags(bool on);
    void setShowTransliteration(bool on);
    void setTranslateInChat(bool on);
    bool originalsHidden() const { return m_hideOriginal; }
    bool encryptionEnabled() const;
    // The A.I. talk robot and the contacts in talk mode.
    ChatRobot& robot() { return *m_robot; }
    RobotUsers& robotUsers() { return m_robotUsers; }
    // Pops up received messages with the sender's picture from `avatarFolder`.
    void setUpPopups(const QString& avatarFolder);
    // Ends the worker threads of the features before the link goes.
    void shutdown();

Q_SIGNALS:
    // The filter or robot users dialog opened (for the log).
    void dialogOpened(const QString& title);

private:
    void setUpFilter();
    void setUpEncryption(const Settings& settings);
    void setUpRobot(const ServiceHosts& hosts, const Settings& settings);
    ContactLookups contactLookups();
    QWidget* makeFilterDialog(const QStringList& contacts);
    QWidget* makeRobotUsersDialog(const QStringList& contacts);
    void runRobotSettingsDialog();

    Links m_links;
    std::shared_ptr<AppMessageFeatures> m_features = std::make_shared<AppMessageFeatures>();
    TranslationChatLink m_chat;
    TranslationFilter m_filter;
    EngineDispatcher m_engines;
    OutgoingOptions m_outgoingOptions;
    IncomingOptions m_incomingOptions;
    MessageList m_translatedList;
    MessageList m_decryptedList;
    std::shared_ptr<OutgoingTranslation> m_outgoing;
    std::shared_ptr<IncomingTranslation> m_incoming;
    std::shared_ptr<HandleCipher> m_cipher;
    std::shared_ptr<DecryptionHandler> m_decryption;
    RobotUsers m_robotUsers;
    std::shared_ptr<ChatRobot> m_robot;
    std::shared_ptr<PopupPresenter> m_popups;
    std::unique_ptr<MessageEncryption> m_encryption;
    std::unique_ptr<MessageViewDialog> m_decryptedView;
    std::unique_ptr<MessageViewDialog> m_translatedView;
    std::unique_ptr<TranslationFilterForm> m_filterForm;
    DialogToggle m_filterDialog;
    std::unique_ptr<RobotUsersForm> m_robotUsersForm;
    DialogToggle m_robotUsersDialog;
    std::unique_ptr<RobotSettingsForm> m_robotSettingsForm;
    bool m_hideOriginal = false;
    // Fetches the contacts for the filter or robot users dialog; joined before the link goes.
    ContactDialogOpener m_contactDialogs{m_links.link};
};

} // namespace verbalink
