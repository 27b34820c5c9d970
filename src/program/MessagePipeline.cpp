#include "program/MessagePipeline.h"

#include "app/ServiceHostSettings.h"
#include "app/SettingAccess.h"
#include "app/Settings.h"
#include "app/menu/MenuModel.h"
#include "extras/ChatRobot.h"
#include "extras/DecryptionHandler.h"
#include "extras/HandleCipher.h"
#include "extras/MessageEncryption.h"
#include "extras/PopupContentSource.h"
#include "extras/RobotSettingsForm.h"
#include "extras/RobotUsersForm.h"
#include "extras/TextArtPictures.h"
#include "messages/IncomingTranslation.h"
#include "messages/OutgoingTranslation.h"
#include "platform/CommandId.h"
#include "skype/SkypeConnection.h"
#include "translate/filter/TranslationFilterForm.h"
#include "translate/filter/TranslationFilterStore.h"
#include "ui/MessageViewDialog.h"
#include "ui/PopupPresenter.h"
#include "ui/RobotSettingsDialog.h"
#include "ui/RobotUsersDialog.h"
#include "ui/TranslationFilterDialog.h"

#include <thread>

namespace verbalink {

MessagePipeline::MessagePipeline(Links links, const ServiceHosts& hosts, const Settings& settings)
    : m_links(links), m_chat(links.link), m_engines(links.connections, hosts, links.clock)
{
    SkypeConnection& link = m_links.link;
    m_outgoingOptions.setShowFlags(settings.showFlags != 0);
    m_outgoingOptions.setShowTransliteration(settings.showTranslit != 0);
    m_incomingOptions.setTranslateInChat(settings.translateInChat != 0);
    m_features->setAvatarSize(settings.showAvatars);
    link.services().features.set(m_features);
    link.services().textArt.set(std::make_shared<TextArtPictures>(TextArtPictures::builtIn()));

    m_outgoing = std::make_shared<OutgoingTranslation>(OutgoingTranslation::Links{
        m_chat, m_chat, m_filter, m_engines, m_links.languages, m_outgoingOptions});
    link.services().outgoingRunner.set(m_outgoing);
    m_incoming = std::make_shared<IncomingTranslation>(
        IncomingTranslation::Links{m_chat, m_links.connections, m_links.languages,
                                   m_incomingOptions, m_links.boxes, m_links.clock},
        hosts.google, hosts.googleTranslate,
        [this](const QString& sender, const QString& text) { m_translatedList.add(sender, text); });
    link.services().incomingTranslation.set(m_incoming);

    m_translatedView =
        std::make_unique<MessageViewDialog>(m_translatedList, MessageViewDialog::Kind::Translated);
    // A translation listed while its view is closed opens the view.
    connect(
        &m_translatedList, &MessageList::changed, this,
        [this] {
            if (!m_translatedView->isOpen() && !m_translatedList.lines().isEmpty())
                m_translatedView->openView();
        },
        Qt::QueuedConnection);

    setUpFilter();
    setUpEncryption(settings);
    setUpRobot(hosts, settings);
    connect(&m_contactDialogs, &ContactDialogOpener::opened, this,
            [this](QWidget* dialog) { Q_EMIT dialogOpened(dialog->windowTitle()); });
}

void MessagePipeline::setUpRobot(const ServiceHosts& hosts, const Settings& settings)
{
    m_robot = std::make_shared<ChatRobot>(
        ChatRobot::Links{m_chat, m_links.connections, m_links.boxes, m_links.clock, m_robotUsers},
        hosts.pandorabots, hosts.google);
    m_robot->setOptions(
        {settings.robotId, settings.robotTransAnswer != 0, settings.robotDelayAnswer != 0});
    m_robotUsers.load(settings.robotUserList);
    m_features->setRobotUsers(&m_robotUsers);
    m_links.link.services().robot.set(m_robot);
    m_links.menu.setChecked(CommandId::RobotUsers, !m_robotUsers.isEmpty());

    RegistryStore& registry = m_links.registry;
    m_robotUsersForm = std::make_unique<RobotUsersForm>(
        m_robotUsers,
        RobotUsersForm::Ports{contactLookups(), m_links.boxes,
                              [text = m_links.interfaceText] {
                                  return text ? text(InterfaceSlot::SelectUserFirst) : QString();
                              },
                              [&registry](const QString& list) {
                                  return writeSetting(registry, QString::fromUtf16(SettingsKeyPath),
                                                      QStringLiteral("RobotUserList"), list);
                              }});
    m_robotSettingsForm = std::make_unique<RobotSettingsForm>(*m_robot, registry, m_links.boxes);
}

void MessagePipeline::setUpPopups(const QString& avatarFolder)
{
    SkypeConnection& link = m_links.link;
    auto source = std::make_shared<PopupContentSource>(
        avatarFolder, PopupContentSource::Contacts{
                          [&link] { return !link.handleAt(0).isEmpty(); },
                          [&link] { return link.refreshContacts(); },
                          [&link](const QString& folder) { link.refreshAvatars(folder); },
                          [&link](const QString& handle) {
                              return link.displayName(handle);
                          }});
    m_popups = std::make_shared<PopupPresenter>(
        std::move(source), [features = m_features] { return features->avatarSize(); });
    link.services().popup.set(m_popups);
}

MessagePipeline::~MessagePipeline()
{
    shutdown();
}

void MessagePipeline::setUpFilter()
{
    RegistryStore& registry = m_links.registry;
    const TranslationFilterStore store{
        [&registry] {
            return readSettingWide(registry, QString::fromUtf16(SettingsKeyPath),
                                   QStringLiteral("TranslateOnlyList"), QString());
        },
        [&registry](const QString& text) {
            return writeSetting(registry, QString::fromUtf16(SettingsKeyPath),
                                QStringLiteral("TranslateOnlyList"), text);
        }};
    m_filter.load(store);
    m_features->setFilter(&m_filter);
    m_links.menu.setChecked(CommandId::TranslationFilter, !m_filter.isEmpty());
    m_filterForm =
        std::make_unique<TranslationFilterForm>(m_filter, store, contactLookups(), m_links.boxes);
}

ContactLookups MessagePipeline::contactLookups()
{
    SkypeConnection& link = m_links.link;
    return {[&link](const QString& name) { return link.displayName(name); },
            [&link](const QString& name) {
                return link.handleOf(name);
            }};
}

void MessagePipeline::setUpEncryption(const Settings& settings)
{
    SkypeConnection& link = m_links.link;
    m_cipher = std::make_shared<HandleCipher>();
    link.handlers().onCurrentUserHandle.set(
        [cipher = m_cipher](const QByteArray& handle) { cipher->setOwnHandle(handle); });
    link.services().cipher.set(m_cipher);

    m_decryptedView =
        std::make_unique<MessageViewDialog>(m_decryptedList, MessageViewDialog::Kind::Decrypted);
    RegistryStore& registry = m_links.registry;
    MenuModel& menu = m_links.menu;
    m_encryption = std::make_unique<MessageEncryption>(
        settings.encryptPopup != 0,
        MessageEncryption::Ports{
            [&menu](int command, bool checked) { menu.setChecked(command, checked); },
            [&registry](bool on) {
                writeSetting(registry, QString::fromUtf16(SettingsKeyPath),
                             QStringLiteral("EncryptPopup"),
                             on ? QStringLiteral("1") : QStringLiteral("0"));
            },
            [view = m_decryptedView.get()] { return view->isOpen(); },
            [view = m_decryptedView.get()] {
                view->openView();
            }});
    connect(
        m_encryption.get(), &MessageEncryption::viewRequested, this,
        [this] { handleCommand(CommandId::ViewDecrypted); }, Qt::QueuedConnection);
    m_decryption = std::make_shared<DecryptionHandler>(
        m_decryptedList,
        DecryptionHandler::Contacts{
            [&link](const QString& handle) { return link.displayName(handle); },
            [&link] {
                return link.refreshContacts();
            }},
        [encryption = m_encryption.get()] { encryption->messageListed(); });
    link.services().decryption.set(m_decryption);
}

void MessagePipeline::setTranslationEnabled(bool on)
{
    m_features->setTranslationEnabled(on);
    m_outgoingOptions.setTranslationEnabled(on);
}

void MessagePipeline::setSpellCheck(std::shared_ptr<OutgoingSpellCheck> spellCheck)
{
    m_outgoing->setSpellCheck(std::move(spellCheck));
}

void MessagePipeline::setSpellCheckEnabled(bool on)
{
    m_features->setSpellCheckEnabled(on);
    m_outgoingOptions.setSpellCheckEnabled(on);
}

void MessagePipeline::setIncomingTranslationEnabled(bool on)
{
    m_features->setIncomingTranslationEnabled(on);
}

QList<int> MessagePipeline::commandIds()
{
    return {CommandId::HideOriginals,      CommandId::EnableEncryption,  CommandId::ViewDecrypted,
            CommandId::DecryptedAutoPopup, CommandId::TranslationFilter, CommandId::RobotUsers,
            CommandId::RobotSettings};
}

void MessagePipeline::setShowFlags(bool on)
{
    m_outgoingOptions.setShowFlags(on);
}

void MessagePipeline::setShowTransliteration(bool on)
{
    m_outgoingOptions.setShowTransliteration(on);
}

void MessagePipeline::setTranslateInChat(bool on)
{
    m_incomingOptions.setTranslateInChat(on);
}

bool MessagePipeline::encryptionEnabled() const
{
    return m_encryption->isEnabled();
}

bool MessagePipeline::handleCommand(int commandId)
{
    if (m_encryption->handleCommand(commandId)) {
        m_features->setEncryptionEnabled(m_encryption->isEnabled());
        return true;
    }
    if (commandId == CommandId::HideOriginals) {
        m_hideOriginal = !m_hideOriginal;
        m_outgoingOptions.setHideOriginal(m_hideOriginal);
        m_links.menu.setChecked(CommandId::HideOriginals, m_hideOriginal);
        return true;
    }
    if (commandId == CommandId::TranslationFilter) {
        m_contactDialogs.toggle(m_filterDialog, [this](const QStringList& contacts) {
            return makeFilterDialog(contacts);
        });
        return true;
    }
    if (commandId == CommandId::RobotUsers) {
        m_contactDialogs.toggle(m_robotUsersDialog, [this](const QStringList& contacts) {
            return makeRobotUsersDialog(contacts);
        });
        return true;
    }
    if (commandId == CommandId::RobotSettings) {
        runRobotSettingsDialog();
        return true;
    }
    return false;
}

QWidget* MessagePipeline::makeFilterDialog(const QStringList& contacts)
{
    auto* dialog = new TranslationFilterDialog(*m_filterForm, contacts);
    connect(dialog, &TranslationFilterDialog::filterClosed, this, [this](bool menuChecked) {
        m_links.menu.setChecked(CommandId::TranslationFilter, menuChecked);
    });
    return dialog;
}

QWidget* MessagePipeline::makeRobotUsersDialog(const QStringList& contacts)
{
    auto* dialog = new RobotUsersDialog(*m_robotUsersForm, contacts);
    connect(dialog, &RobotUsersDialog::usersClosed, this, [this](bool menuChecked) {
        m_links.menu.setChecked(CommandId::RobotUsers, menuChecked);
    });
    return dialog;
}

void MessagePipeline::runRobotSettingsDialog()
{
    // The menu stays live while the dialog runs; choosing the command again does nothing.
    if (m_robotSettingsForm->isOpen())
        return;
    RobotSettingsDialog dialog(*m_robotSettingsForm);
    dialog.exec();
}

void MessagePipeline::shutdown()
{
    SkypeConnection& link = m_links.link;
    link.services().incomingTranslation.set(nullptr);
    link.services().decryption.set(nullptr);
    link.services().robot.set(nullptr);
    m_features->setRobotUsers(nullptr);
    link.services().popup.set(nullptr);
    m_contactDialogs.join();
    if (m_incoming)
        m_incoming->waitForThreads();
    if (m_decryption)
        m_decryption->waitForAll();
    if (m_robot)
        m_robot->stop();
    if (m_popups)
        m_popups->shutdown();
}

} // namespace verbalink
