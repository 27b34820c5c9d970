#pragma once

#include "platform/RegistryStore.h"
#include "translate/net/ProxySettings.h"

#include <QByteArray>
#include <QString>
#include <span>
#include <variant>

namespace verbalink {

// Every persisted option, one field per stored value: numbers as int, narrow texts as UTF-8,
// lists and paths as UTF-16. The owning feature reads the fields and writes a value back when it
// changes it; the fields marked for the exit save are written when the program ends.
struct Settings {
    int menuLanguage = 33223;
    // A path: read in full, since a cut one matches no dictionary.
    QString dictionary = QStringLiteral("0");
    QString speechVoice = QStringLiteral("0");
    int speechRate = 0;
    QByteArray robotId;
    int robotTransAnswer = 0;
    int robotDelayAnswer = 1;
    QString robotUserList;
    QString translateOnlyList;
    int callAutoRecord = 0;
    int callStereoRecord = 0;
    int voiceChanger = 33186;
    int soundChanger = 33353;
    int voicePlayback = 0;
    int musicPlayback = 0;
    QString musicPlay;
    int musicPlayOn = 1;
    int showTranslit = 0;
    int showFlags = 1;
    int showAvatars = 0;
    int translateInChat = 1;
    int musicVolume = 33201;
    int proxyEnable = 0;
    QByteArray proxyAddress;
    int proxyPort = 0;
    QByteArray proxyUsername;
    QByteArray proxyPassword;
    int proxyType = 0;
    int translator = 1;
    int fromLang = 32785;
    int toLang = 32825;
    int yahoo = 32869;
    int systran = 33121;
    int liveFrom = 33001;
    int liveTo = 33022;
    int babylonFrom = 32940;
    int babylonTo = 32971;
    int promtFrom = 33208;
    int promtTo = 33218;
    int translateIncoming = 33254;
    int debugLevel = 0;
    int encryptPopup = 1;
    int state = 1;
    int hotkeys = 33364;
    int lastUpdateCheck = 0;

    // Not stored under the options key: the login command and whether it is registered.
    QString runCommand;
    bool runAtLogin = false;

    // The six proxy values as the connections take them, and back after the dialog saved them.
    ProxySettings proxy() const;
    void setProxy(const ProxySettings& proxy);
};

// Where a value lives and how it is read.
struct SettingDefinition {
    using Field = std::variant<int Settings::*, QByteArray Settings::*, QString Settings::*>;
    const char16_t* name;
    const char16_t* defaultText;
    Field field;
};

// The key every option lives under, and the one holding the service host names.
inline constexpr auto SettingsKeyPath = u"Software\\Verbalink";
inline constexpr auto HostsKeyPath = u"Software\\Verbalink\\Hosts";

// The options in the order the program reads them at start.
std::span<const SettingDefinition> startupSettings();
// The options the exit save writes, in its order.
std::span<const SettingDefinition> exitSavedSettings();
// The option read by the update check only.
const SettingDefinition& lastUpdateCheckSetting();
// The definition for a field, or nullptr for a field that is not persisted.
const SettingDefinition* settingFor(SettingDefinition::Field field);

// Reads one option into its field, creating it with its default when missing.
void loadSetting(RegistryStore& store, Settings& settings, const SettingDefinition& definition);
// Writes one option's field; false when it could not be stored.
bool saveSetting(RegistryStore& store, const Settings& settings,
                 const SettingDefinition& definition);
// The start-up read of every option, in order, the login command in its place among them.
Settings loadStartupSettings(RegistryStore& store, const QString& defaultInstallDir);
// The exit save, in order.
void saveExitSettings(RegistryStore& store, const Settings& settings);

} // namespace verbalink
