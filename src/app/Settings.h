#pragma once

#include "platform/CommandId.h"
#include "platform/RegistryStore.h"
#include "translate/net/ProxySettings.h"

#include <QByteArray>
#include <QString>
#include <span>
#include <variant>

namespace verbalink {

// Every persisted option, one field per stored value, starting at its default: numbers as int,
// narrow texts as UTF-8, lists and paths as UTF-16. Values are written through the table below
// (StoredSettings in the program); the fields marked for the exit save are written when the program
// ends.
struct Settings {
    int menuLanguage = CommandId::InterfaceEnglish;
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
    int voiceChanger = CommandId::VoiceDisabled;
    int soundChanger = CommandId::EffectDisabled;
    int voicePlayback = 0;
    int musicPlayback = 0;
    QString musicPlay;
    int musicPlayOn = 1;
    int showTranslit = 0;
    int showFlags = 1;
    int showAvatars = 0;
    int translateInChat = 1;
    int musicVolume = CommandId::Volume25;
    int proxyEnable = 0;
    QByteArray proxyAddress;
    int proxyPort = 0;
    QByteArray proxyUsername;
    QByteArray proxyPassword;
    int proxyType = 0;
    int translator = 1;
    int fromLang = CommandId::GoogleSourceAutoDetect;
    int toLang = CommandId::GoogleTargetEnglish;
    int yahoo = CommandId::YahooEnglishToGerman;
    int systran = CommandId::SysTranEnglishToGerman;
    int liveFrom = CommandId::BingSourceAutoDetect;
    int liveTo = CommandId::BingTargetGerman;
    int babylonFrom = CommandId::BabylonSourceEnglish;
    int babylonTo = CommandId::BabylonTargetGerman;
    int promtFrom = CommandId::PromtSourceEnglish;
    int promtTo = CommandId::PromtTargetGerman;
    int translateIncoming = CommandId::IncomingDisabled;
    int debugLevel = 0;
    int encryptPopup = 1;
    int state = 1;
    int hotkeys = CommandId::HotKeysCtrlShift;
    int lastUpdateCheck = 0;

    // Not stored under the options key: the login command and whether it is registered.
    QString runCommand;
    bool runAtLogin = false;

    // The six proxy values as the connections take them, and back after the dialog saved them.
    ProxySettings proxy() const;
    void setProxy(const ProxySettings& proxy);
};

// Where a value lives and how it is read; a missing value is created from the field's initial
// value in Settings.
struct SettingDefinition {
    using Field = std::variant<int Settings::*, QByteArray Settings::*, QString Settings::*>;
    const char16_t* name;
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
// The definition stored under a name, or nullptr for a name the table does not have.
const SettingDefinition* settingNamed(QStringView name);

// Reads one option into its field, creating it with its default when missing.
void loadSetting(RegistryStore& store, Settings& settings, const SettingDefinition& definition);
// Writes one option's field; false when it could not be stored.
bool saveSetting(RegistryStore& store, const Settings& settings,
                 const SettingDefinition& definition);
// Writes one option's text under its table name; false when it could not be stored.
bool storeSettingText(RegistryStore& store, const SettingDefinition& definition,
                      const QString& text);
// Writes one option under its table name in the table's form; false when it could not be stored.
// A number is written whole, even where its field would clamp it when read back.
bool storeSetting(RegistryStore& store, int Settings::*field, qint64 value);
bool storeSetting(RegistryStore& store, QByteArray Settings::*field, const QByteArray& value);
bool storeSetting(RegistryStore& store, QString Settings::*field, const QString& value);
// The start-up read of every option, in order, the login command in its place among them.
Settings loadStartupSettings(RegistryStore& store, const QString& defaultInstallDir);
// The exit save, in order.
void saveExitSettings(RegistryStore& store, const Settings& settings);

} // namespace verbalink
