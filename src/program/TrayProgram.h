#pragma once

#include "app/DebugLog.h"
#include "app/LanguageMenus.h"
#include "app/StoredSettings.h"
#include "app/TranslationSwitch.h"
#include "app/commands/CommandTable.h"
#include "app/commands/HotKeys.h"
#include "app/i18n/InterfaceLanguage.h"
#include "app/menu/MenuModel.h"
#include "extras/UpdateCheck.h"
#include "langtools/EspeakSpeech.h"
#include "langtools/SpeechMenu.h"
#include "langtools/SpellCheckMenu.h"
#include "langtools/SpellChecker.h"
#include "platform/Clock.h"
#include "platform/DesktopRegistryStore.h"
#include "program/CallAudioFeature.h"
#include "program/ChatExtrasDialogs.h"
#include "program/LoggedFeedback.h"
#include "program/MessagePipeline.h"
#include "skype/SkypeConnection.h"
#include "skype/dbus/DBusSkypeTransport.h"
#include "translate/languages/LanguageSelection.h"
#include "translate/net/ServiceConnections.h"
#include "ui/DebugLogWindow.h"
#include "ui/DesktopShell.h"
#include "ui/MenuImageResources.h"
#include "ui/PointerFeedback.h"
#include "ui/SpellCheckPrompt.h"
#include "ui/TrayIcon.h"
#include "ui/TrayMenuView.h"
#include "ui/WidgetMessageBox.h"
#include "ui/X11HotKeys.h"

#include <QLoggingCategory>
#include <memory>

Q_DECLARE_LOGGING_CATEGORY(lcShell)

namespace verbalink {

// The running program: every long-lived object, created in start-up order and taken down in
// shutdown order. Menu commands from the tray and the menu arrive in dispatch().
class TrayProgram : public QObject {
    Q_OBJECT
public:
    TrayProgram(const DesktopRegistryStore::Paths& settingsPaths, QString installDir);
    ~TrayProgram() override;

    // Runs the start-up steps; false when the program cannot run (its menu is damaged).
    bool start();
    // The exit save and the removal of the menu and tray icon; the link stops on destruction.
    void shutdown();

    void dispatch(int commandId);
    void openMenu();

private:
    void connectShell();
    void setUpServiceConnections();
    void applyStartupSettings();
    void applyProxySettings();
    void openConnectionSettings();
    void followClientLanguage();
    // Every command of the menu and the hot keys, registered in one place (TrayProgramCommands).
    void registerCommands();
    void registerOptionToggles();
    void registerHotKeys();
    void openProductPage(const QString& page);
    void setUpSpellCheck();
    void setUpCallAudio();
    void checkForUpdates(UpdateCheck::Mode mode);
    // A text of the interface string table in the current interface language.
    QString interfaceText(InterfaceSlot slot) const;
    // Text-to-speech: the engine and its menu at start-up, their commands, the exit save's
    // values (TrayProgramSpeech).
    void setUpSpeech();
    void registerSpeechCommands();
    void storeSpeechSettings(Settings& latest);

    QString m_installDir;
    DesktopRegistryStore m_registry;
    WidgetMessageBox m_boxes;
    SystemClock m_clock;
    DBusSkypeTransport m_transport;
    SkypeConnection m_link;
    ServiceConnections m_connections;
    bool m_connectionSettingsOpen = false;
    DebugLog m_debugLog;
    DebugLogWindow m_debugWindow;
    StoredSettings m_settings{m_registry};
    // Before the pipeline: its worker may check a message until the pipeline is shut down.
    SpellChecker m_spellChecker;
    std::unique_ptr<MenuModel> m_menu;
    MenuImageResources m_icons;
    std::unique_ptr<TrayMenuView> m_menuView;
    std::unique_ptr<TrayIcon> m_tray;
    std::unique_ptr<TranslationSwitch> m_translation;
    std::unique_ptr<InterfaceLanguage> m_interfaceLanguage;
    std::unique_ptr<LanguageMenus> m_languageMenus;
    std::unique_ptr<LanguageSelection> m_languages;
    std::unique_ptr<MessagePipeline> m_pipeline;
    CommandTable m_commands;
    DesktopShell m_shell;
    X11HotKeys m_hotKeyPort;
    PointerFeedback m_pointerFeedback;
    LoggedFeedback m_feedback{m_pointerFeedback};
    std::unique_ptr<HotKeys> m_hotKeys;
    // The menu speaks through the engine, so it goes first.
    std::unique_ptr<EspeakSpeech> m_speech;
    std::shared_ptr<SpeechMenu> m_speechMenu;
    std::shared_ptr<SpellCheckPrompt> m_spellPrompt;
    std::unique_ptr<SpellCheckMenu> m_spellMenu;
    std::unique_ptr<ChatExtrasDialogs> m_extrasDialogs;
    std::unique_ptr<CallAudioFeature> m_callAudio;
    // Last: its threads are joined before what they use goes.
    std::unique_ptr<UpdateCheck> m_updateCheck;
};

} // namespace verbalink
