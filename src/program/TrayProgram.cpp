#include "program/TrayProgram.h"

#include "app/ServiceHostSettings.h"
#include "app/i18n/InterfaceLanguageTable.h"
#include "app/menu/MenuDecoration.h"
#include "app/menu/MenuResource.h"
#include "app/menu/SettingsMenuMarks.h"
#include "platform/CommandId.h"
#include "translate/net/ConnectionSettingsForm.h"
#include "ui/ConnectionSettingsDialog.h"

#include <QDir>
#include <QLocale>
#include <QMenu>
#include <QStandardPaths>

Q_LOGGING_CATEGORY(lcShell, "verbalink.shell", QtWarningMsg)

namespace verbalink {

namespace {

QString documentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

// Avatars are written by the chat client into this folder under the user's documents.
QString avatarFolder()
{
    return documentsFolder() + u"/Verbalink Avatars";
}

} // namespace

TrayProgram::TrayProgram(const DesktopRegistryStore::Paths& settingsPaths, QString installDir)
    : m_installDir(std::move(installDir)), m_registry(settingsPaths),
      m_link(m_transport, m_clock, m_boxes), m_connections(m_boxes), m_debugWindow(m_debugLog)
{}

TrayProgram::~TrayProgram()
{
    m_link.stop();
}

bool TrayProgram::start()
{
    QDir().mkpath(avatarFolder());
    m_link.start();
    setUpServiceConnections();
    // The log is fed from the link thread and senders as well as from here.
    m_link.handlers().onLog.set([this](const QString& line) { m_debugLog.logLine(line); });

    MenuResource::Result menuData = MenuResource::readTrayMenu();
    if (!menuData.root) {
        qCritical("Verbalink: the tray menu is damaged: %s", qPrintable(menuData.error));
        return false;
    }
    m_menu = std::make_unique<MenuModel>(std::move(menuData.root));
    MenuDecoration(*m_menu).applyFlags();
    m_menuView = std::make_unique<TrayMenuView>(*m_menu, m_icons);
    // Check marks follow the options they show, whoever changes them.
    connect(&m_settings, &StoredSettings::changed, this, [this](const QString& name) {
        applySettingToMenu(*m_menu, m_settings.values(), name);
    });
    m_translation = std::make_unique<TranslationSwitch>(*m_menu, m_settings);
    m_interfaceLanguage = std::make_unique<InterfaceLanguage>(*m_menu, m_settings, *m_translation,
                                                              QStringLiteral(":/i18n"));
    connect(m_interfaceLanguage.get(), &InterfaceLanguage::applied, this, [this](int languageId) {
        // The relabelling gave "Browse Audio File" back its plain text.
        if (m_callAudio)
            m_callAudio->refreshMusicMenu();
        // Arabic, Hebrew, Urdu and Pashto read from the right: so does the menu.
        const InterfaceLanguageEntry* language = interfaceLanguageById(languageId);
        m_menuView->menu()->setLayoutDirection(
            language ? QLocale(QString::fromLatin1(language->clientCode)).textDirection()
                     : Qt::LeftToRight);
        const MenuItem* hearMusic = m_menu->find(CommandId::HearMusic);
        qCInfo(lcShell, "interface language %d (checked %d): \"%s\" \"%s\" \"%s\"", languageId,
               m_interfaceLanguage->currentId(), qUtf8Printable(m_menu->itemAt({0})->text()),
               qUtf8Printable(m_menu->itemAt({1})->text()),
               qUtf8Printable(hearMusic ? hearMusic->text() : QString()));
    });

    applyStartupSettings();
    MenuDecoration(*m_menu).applyIcons(m_translation->isEnabled());
    connectShell();
    m_extrasDialogs = std::make_unique<ChatExtrasDialogs>(m_link, m_clock);
    connect(m_extrasDialogs.get(), &ChatExtrasDialogs::opened, this, [](const QString& title) {
        qCInfo(lcShell, "dialog opened: %s", qUtf8Printable(title));
    });
    registerCommands();
    registerHotKeys();
    m_updateCheck = std::make_unique<UpdateCheck>(UpdateCheck::Links{
        m_clock, m_settings, m_boxes, [this](const QString& page) {
            QMetaObject::invokeMethod(this, [this, page] { openProductPage(page); });
        }});
    checkForUpdates(UpdateCheck::Mode::Automatic);

    // Translation starts on; a stored "off" goes through the same path as the menu command,
    // as the first thing the event loop handles.
    if (m_settings.values().state == 0) {
        QMetaObject::invokeMethod(
            this, [this] { dispatch(CommandId::ToggleTranslation); }, Qt::QueuedConnection);
    }
    return true;
}

void TrayProgram::applyStartupSettings()
{
    m_settings.load(m_installDir);
    const Settings& settings = m_settings.values();
    // A damaged stored language falls back to English, checked and stored like a choice.
    m_interfaceLanguage->restore(settings.menuLanguage, m_link.session().uiLanguage());
    m_link.options().setInterfaceLanguageChoice(m_interfaceLanguage->currentId());
    applySettingsToMenu(*m_menu, settings);
    // The tray icon comes up among the settings, before the proxy and the languages are applied.
    m_tray = std::make_unique<TrayIcon>(*m_menuView, m_debugLog, settings.debugLevel);
    if (m_tray->show())
        qCInfo(lcShell, "tray icon shown");
    else
        qCInfo(lcShell, "no system tray: the menu opens when Verbalink is started again");
    applyProxySettings();
    m_languageMenus = std::make_unique<LanguageMenus>(*m_menu);
    m_languages = std::make_unique<LanguageSelection>(*m_languageMenus);
    restoreLanguageSelection(*m_languages, settings);
    m_pipeline = std::make_unique<MessagePipeline>(
        MessagePipeline::Links{m_link, m_connections, *m_languages, m_boxes, m_clock, m_registry,
                               *m_menu,
                               [this](InterfaceSlot slot) {
                                   return interfaceText(slot);
                               }},
        readServiceHosts(m_registry), settings);
    connect(m_pipeline.get(), &MessagePipeline::dialogOpened, this, [](const QString& title) {
        qCInfo(lcShell, "dialog opened: %s", qUtf8Printable(title));
    });
    m_pipeline->setUpPopups(avatarFolder());
    m_pipeline->setIncomingTranslationEnabled(m_languages->incomingEnabled());
    setUpSpellCheck();
    setUpSpeech();
    setUpCallAudio();
}

void TrayProgram::setUpCallAudio()
{
    m_callAudio = std::make_unique<CallAudioFeature>(
        CallAudioFeature::Links{m_link, m_clock, m_settings, m_boxes, m_shell, *m_menu,
                                [this](InterfaceSlot slot) { return interfaceText(slot); },
                                [this](const QString& line) { m_debugLog.logLine(line); },
                                [this](int commandId) {
                                    if (m_hotKeys)
                                        m_hotKeys->noteChoice(commandId);
                                }});
    connect(m_callAudio.get(), &CallAudioFeature::opened, this, [](const QString& title) {
        qCInfo(lcShell, "dialog opened: %s", qUtf8Printable(title));
    });
    if (m_callAudio->start(documentsFolder(), m_settings.values()))
        qCInfo(lcShell, "call audio ports %d and %d", m_callAudio->audio().captureServer().port(),
               m_callAudio->audio().inputServer().port());
}

void TrayProgram::checkForUpdates(UpdateCheck::Mode mode)
{
    m_updateCheck->start(mode,
                         {{readServiceHosts(m_registry).productSite, m_connections.proxySettings()},
                          interfaceText(InterfaceSlot::LatestVersion),
                          interfaceText(InterfaceSlot::NewVersion),
                          interfaceText(InterfaceSlot::NoUpdateConnection)});
}

QString TrayProgram::interfaceText(InterfaceSlot slot) const
{
    return m_interfaceLanguage->strings().textOrEnglish(slot);
}

void TrayProgram::setUpSpellCheck()
{
    m_spellPrompt = std::make_shared<SpellCheckPrompt>(m_spellChecker);
    connect(m_spellPrompt.get(), &SpellCheckPrompt::dialogOpened, this, [](const QString& title) {
        qCInfo(lcShell, "spell check: %s", qUtf8Printable(title));
    });
    m_pipeline->setSpellCheck(m_spellPrompt);
    m_spellMenu = std::make_unique<SpellCheckMenu>(
        SpellCheckMenu::Links{*m_menu, m_boxes, m_spellChecker,
                              [this](const QString& page) { openProductPage(page); },
                              [this](bool on) {
                                  m_pipeline->setSpellCheckEnabled(on);
                              }},
        DictionaryCatalog::discover(m_installDir, DictionaryCatalog::systemFolders()),
        m_installDir);
    m_spellMenu->build(m_settings.values().dictionary.toUtf8(), interfaceText(InterfaceSlot::Help));
}

void TrayProgram::connectShell()
{
    connect(m_interfaceLanguage.get(), &InterfaceLanguage::choiceChanged, this,
            [this](int commandId) { m_link.options().setInterfaceLanguageChoice(commandId); });
    // Reported on the dispatch thread; the menu is relabelled from the event loop.
    m_link.handlers().onRelabelMenus.set([this] {
        QMetaObject::invokeMethod(this, &TrayProgram::followClientLanguage, Qt::QueuedConnection);
    });
    connect(m_menuView.get(), &TrayMenuView::commandTriggered, this, &TrayProgram::dispatch);
    connect(m_tray.get(), &TrayIcon::commandRequested, this, &TrayProgram::dispatch);
    connect(m_translation.get(), &TranslationSwitch::changed, m_tray.get(),
            &TrayIcon::setTranslationEnabled);
    connect(m_translation.get(), &TranslationSwitch::changed, this,
            [this](bool enabled) { m_pipeline->setTranslationEnabled(enabled); });
    connect(m_translation.get(), &TranslationSwitch::changed, this, [this](bool enabled) {
        const bool showsOn =
            m_tray->systemTrayIcon().icon().cacheKey() == m_tray->enabledIcon().cacheKey();
        qCInfo(lcShell, "translation %s, tray icon %s", enabled ? "on" : "off",
               showsOn ? "enabled" : "disabled");
    });
    connect(m_menuView->menu(), &QMenu::aboutToShow, this,
            [] { qCInfo(lcShell, "tray menu opened"); });
}

void TrayProgram::dispatch(int commandId)
{
    m_commands.dispatch(commandId);
}

void TrayProgram::followClientLanguage()
{
    m_interfaceLanguage->followClient(m_link.session().uiLanguage());
}

void TrayProgram::setUpServiceConnections()
{
    const ServiceHosts hosts = readServiceHosts(m_registry);
    m_connections.setUp(Service::Google, hosts.google);
    m_connections.setUp(Service::Yahoo, hosts.yahoo);
    m_connections.setUp(Service::Bing, hosts.bing);
    m_connections.setUp(Service::Babylon, hosts.babylon);
    m_connections.setUp(Service::SysTran, hosts.sysTran);
    m_connections.setUp(Service::Promt, hosts.promt);
}

void TrayProgram::applyProxySettings()
{
    m_connections.applyProxySettings(m_settings.values().proxy());
}

void TrayProgram::openConnectionSettings()
{
    // The command does nothing while the dialog is open.
    if (m_connectionSettingsOpen)
        return;
    m_connectionSettingsOpen = true;
    ConnectionSettingsForm form(
        [this](const QString& name, const QString& text) { return m_settings.setText(name, text); },
        m_connections);
    ConnectionSettingsDialog dialog(form, m_connections.proxySettings());
    dialog.exec();
    m_connectionSettingsOpen = false;
}

void TrayProgram::openMenu()
{
    if (m_tray)
        m_tray->openMenu();
}

void TrayProgram::shutdown()
{
    if (!m_menu)
        return;
    // An update check may still be storing its time from its own thread.
    Settings latest = m_settings.snapshot();
    latest.state = m_translation->isEnabled() ? 1 : 0;
    latest.dictionary = QString::fromUtf8(m_spellMenu->storedValue());
    storeLanguageSelection(*m_languages, latest);
    storeSpeechSettings(latest);
    m_settings.saveAtExit(latest);
    qCInfo(lcShell, "settings saved");
    m_hotKeys->releaseAll();
    m_menuView.reset();
    m_tray.reset();
    // A message waiting for the spell-check dialog goes on as typed.
    m_spellPrompt->close();
    m_pipeline->shutdown();
}

} // namespace verbalink
