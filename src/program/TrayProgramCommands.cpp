// Every command of the tray menu and of the hot keys, and the owner it goes to: one place to
// find any command id.

#include "app/ServiceHostSettings.h"
#include "app/SettingAccess.h"
#include "app/commands/OptionToggles.h"
#include "app/menu/AvatarSizeMenu.h"
#include "program/TrayProgram.h"
#include "ui/AboutDialog.h"

#include <QApplication>
#include <QUrl>

namespace verbalink {

namespace {

constexpr int AboutCommand = 104;
constexpr int ExitCommand = 105;
constexpr int HomepageCommand = 32933;
constexpr int RunAtLoginCommand = 32935;
constexpr int ConnectionSettingsCommand = 33165;
constexpr int CheckForUpdatesCommand = 32932;
constexpr int AddLanguageCommand = 33230;
constexpr int HotKeysHelpCommand = 33366;
constexpr int TranslatorCommands[] = {32900, 32901, 32902, 32936, 33109, 33203};

} // namespace

void TrayProgram::registerCommands()
{
    // Menus that own whole ranges of ids see every command first, in this order.
    m_commands.addRouter([this](int id) {
        if (!m_languages->route(id))
            return false;
        m_pipeline->setIncomingTranslationEnabled(m_languages->incomingEnabled());
        return true;
    });
    m_commands.addRouter([this](int id) {
        return m_interfaceLanguage->selectCommand(id, m_link.session().uiLanguage());
    });

    m_commands.addRouter([this](int id) { return m_spellMenu->handleCommand(id); });
    m_commands.addRouter([this](int id) { return m_extrasDialogs->handleCommand(id); });
    m_commands.addRouter([this](int id) { return m_callAudio->handleCommand(id); });

    m_commands.add(AboutCommand, [] {
        AboutDialog about;
        about.exec();
    });
    m_commands.add(ExitCommand, [] { QApplication::quit(); });
    m_commands.add(TranslationSwitch::CommandId, [this] { m_translation->toggle(); });
    for (int id : TranslatorCommands)
        m_commands.add(id, [this, id] { m_languages->selectTranslatorCommand(id); });
    for (int id : MessagePipeline::commandIds())
        m_commands.add(id, [this, id] { m_pipeline->handleCommand(id); });
    m_commands.add(HomepageCommand, [this] { openProductPage({}); });
    m_commands.add(AddLanguageCommand,
                   [this] { openProductPage(QStringLiteral("feedback.html")); });
    m_commands.add(RunAtLoginCommand,
                   [this] { toggleRunAtLogin(*m_menu, m_registry, m_settings); });
    m_commands.add(ConnectionSettingsCommand, [this] { openConnectionSettings(); });
    m_commands.add(CheckForUpdatesCommand, [this] { checkForUpdates(UpdateCheck::Mode::Manual); });
    for (const auto& [pixels, id] : avatarSizeEntries()) {
        m_commands.add(id, [this, id] {
            if (const std::optional<int> size = chooseAvatarSize(*m_menu, m_registry, id))
                m_pipeline->features().setAvatarSize(*size);
        });
    }
    registerOptionToggles();
    registerSpeechCommands();
    for (int id = HotKeys::DisabledChoice; id < HotKeys::DisabledChoice + 6; ++id)
        m_commands.add(id, [this, id] { m_hotKeys->applyChoice(id); });
    m_commands.add(HotKeysHelpCommand, [this] { m_hotKeys->showHelp(); });
}

void TrayProgram::registerOptionToggles()
{
    struct Toggle {
        int commandId;
        int Settings::*option;
        void (MessagePipeline::*apply)(bool);
    };
    const Toggle toggles[] = {
        {33328, &Settings::showTranslit, &MessagePipeline::setShowTransliteration},
        {33340, &Settings::showFlags, &MessagePipeline::setShowFlags},
        {33354, &Settings::translateInChat, &MessagePipeline::setTranslateInChat},
    };
    for (const Toggle& t : toggles) {
        m_commands.add(t.commandId, [this, t] {
            const bool on =
                toggleStoredOption(*m_menu, m_registry, m_settings, t.commandId, t.option);
            if (t.apply)
                (m_pipeline.get()->*t.apply)(on);
        });
    }
}

void TrayProgram::registerHotKeys()
{
    HotKeys::Links links{
        [this] { return m_translation->isEnabled(); },
        [this] { return m_pipeline->originalsHidden(); },
        [this] { return m_pipeline->encryptionEnabled(); },
        [this] { return m_callAudio->audio().voiceControls().musicOn(); },
        [this]() -> const InterfaceStrings& { return m_interfaceLanguage->strings(); },
        // Posted, as a menu choice is: the press ends before the command runs.
        [this](int id) {
            QMetaObject::invokeMethod(
                this, [this, id] { dispatch(id); }, Qt::QueuedConnection);
        },
        [this](const QString& line) { m_debugLog.logLine(line); },
    };
    m_hotKeys =
        std::make_unique<HotKeys>(m_hotKeyPort, m_feedback, *m_menu, m_registry, m_boxes, links);
    m_hotKeys->setVoices(m_menu->groupIds(QStringLiteral("voices")));
    m_hotKeys->setEffects(m_menu->groupIds(QStringLiteral("sound-effects")));
    m_hotKeys->noteChoice(m_settings.voiceChanger);
    m_hotKeys->noteChoice(m_settings.soundChanger);
    m_hotKeys->applyChoice(HotKeys::isChoice(m_settings.hotkeys) ? m_settings.hotkeys
                                                                 : HotKeys::DefaultChoice);
    qCInfo(lcShell, "hot keys: %lld grabbed", qint64(m_hotKeys->grabbed().size()));
}

void TrayProgram::openProductPage(const QString& page)
{
    const QByteArray host = readServiceHosts(m_registry).productSite;
    m_shell.openUrl(QUrl(QStringLiteral("http://") + QString::fromUtf8(host) + u'/' + page));
}

} // namespace verbalink
