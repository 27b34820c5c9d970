#include "app/Settings.h"

#include "app/RunCommand.h"
#include "app/SettingAccess.h"

#include <array>

namespace verbalink {

namespace {

using S = Settings;

// Read at start in this order; the login command is read after DebugLevel.
constexpr std::array<SettingDefinition, 44> startupTable{{
    {u"MenuLanguage", u"33223", &S::menuLanguage},
    {u"Dictionary", u"0", &S::dictionary},
    {u"SpeechVoice", u"0", &S::speechVoice},
    {u"SpeechRate", u"0", &S::speechRate},
    {u"RobotID", u"", &S::robotId},
    {u"RobotTransAnswer", u"0", &S::robotTransAnswer},
    {u"RobotDelayAnswer", u"1", &S::robotDelayAnswer},
    {u"RobotUserList", u"", &S::robotUserList},
    {u"TranslateOnlyList", u"", &S::translateOnlyList},
    {u"CallAutoRecord", u"0", &S::callAutoRecord},
    {u"CallStereoRecord", u"0", &S::callStereoRecord},
    {u"VoiceChanger", u"33186", &S::voiceChanger},
    {u"SoundChanger", u"33353", &S::soundChanger},
    {u"VoicePlayback", u"0", &S::voicePlayback},
    {u"MusicPlayback", u"0", &S::musicPlayback},
    {u"MusicPlay", u"", &S::musicPlay},
    {u"MusicPlayOn", u"1", &S::musicPlayOn},
    {u"ShowTranslit", u"0", &S::showTranslit},
    {u"ShowFlags", u"1", &S::showFlags},
    {u"ShowAvatars", u"0", &S::showAvatars},
    {u"TranslateInChat", u"1", &S::translateInChat},
    {u"MusicVolume", u"33201", &S::musicVolume},
    {u"ProxyEnable", u"0", &S::proxyEnable},
    {u"ProxyAddress", u"", &S::proxyAddress},
    {u"ProxyPort", u"0", &S::proxyPort},
    {u"ProxyUsername", u"", &S::proxyUsername},
    {u"ProxyPassword", u"", &S::proxyPassword},
    {u"ProxyType", u"0", &S::proxyType},
    {u"Translator", u"1", &S::translator},
    {u"FromLang", u"32785", &S::fromLang},
    {u"ToLang", u"32825", &S::toLang},
    {u"Yahoo", u"32869", &S::yahoo},
    {u"Systran", u"33121", &S::systran},
    {u"LiveFrom", u"33001", &S::liveFrom},
    {u"LiveTo", u"33022", &S::liveTo},
    {u"BabylonFrom", u"32940", &S::babylonFrom},
    {u"BabylonTo", u"32971", &S::babylonTo},
    {u"PromtFrom", u"33208", &S::promtFrom},
    {u"PromtTo", u"33218", &S::promtTo},
    {u"TranslateIncoming", u"33254", &S::translateIncoming},
    {u"DebugLevel", u"0", &S::debugLevel},
    {u"EncryptPopup", u"1", &S::encryptPopup},
    {u"State", u"1", &S::state},
    {u"Hotkeys", u"33364", &S::hotkeys},
}};

constexpr qsizetype DebugLevelIndex = 40;

constexpr SettingDefinition lastUpdateCheckDefinition{u"LastUpdateCheck", u"0",
                                                      &S::lastUpdateCheck};

const SettingDefinition& byName(const char16_t* name)
{
    for (const SettingDefinition& d : startupTable) {
        if (QStringView(d.name) == QStringView(name))
            return d;
    }
    Q_UNREACHABLE();
}

const std::array<SettingDefinition, 16>& exitTable()
{
    static const std::array<SettingDefinition, 16> table{
        byName(u"State"),      byName(u"FromLang"),
        byName(u"ToLang"),     byName(u"Yahoo"),
        byName(u"Systran"),    byName(u"LiveFrom"),
        byName(u"LiveTo"),     byName(u"BabylonFrom"),
        byName(u"BabylonTo"),  byName(u"PromtFrom"),
        byName(u"PromtTo"),    byName(u"Translator"),
        byName(u"Dictionary"), byName(u"SpeechVoice"),
        byName(u"SpeechRate"), byName(u"TranslateIncoming"),
    };
    return table;
}

struct FieldLoader {
    RegistryStore& store;
    Settings& settings;
    const SettingDefinition& d;

    QByteArray narrow() const
    {
        return readSetting(store, RegistryRoot::CurrentUser, QString::fromUtf16(SettingsKeyPath),
                           QString::fromUtf16(d.name), QString::fromUtf16(d.defaultText));
    }
    void operator()(int S::*field) const { settings.*field = settingNumber(narrow()); }
    void operator()(QByteArray S::*field) const { settings.*field = narrow(); }
    void operator()(QString S::*field) const
    {
        settings.*field =
            readSettingWide(store, QString::fromUtf16(SettingsKeyPath), QString::fromUtf16(d.name),
                            QString::fromUtf16(d.defaultText));
    }
};

struct FieldText {
    const Settings& settings;
    QString operator()(int S::*field) const { return QString::number(settings.*field); }
    QString operator()(QByteArray S::*field) const { return QString::fromUtf8(settings.*field); }
    QString operator()(QString S::*field) const { return settings.*field; }
};

} // namespace

std::span<const SettingDefinition> startupSettings()
{
    return startupTable;
}

std::span<const SettingDefinition> exitSavedSettings()
{
    return exitTable();
}

const SettingDefinition& lastUpdateCheckSetting()
{
    return lastUpdateCheckDefinition;
}

const SettingDefinition* settingFor(SettingDefinition::Field field)
{
    for (const SettingDefinition& d : startupTable) {
        if (d.field == field)
            return &d;
    }
    return lastUpdateCheckDefinition.field == field ? &lastUpdateCheckDefinition : nullptr;
}

void loadSetting(RegistryStore& store, Settings& settings, const SettingDefinition& definition)
{
    std::visit(FieldLoader{store, settings, definition}, definition.field);
}

bool saveSetting(RegistryStore& store, const Settings& settings,
                 const SettingDefinition& definition)
{
    return writeSetting(store, QString::fromUtf16(SettingsKeyPath),
                        QString::fromUtf16(definition.name),
                        std::visit(FieldText{settings}, definition.field));
}

Settings loadStartupSettings(RegistryStore& store, const QString& defaultInstallDir)
{
    Settings settings;
    for (qsizetype i = 0; i < qsizetype(startupTable.size()); ++i) {
        loadSetting(store, settings, startupTable[i]);
        if (i == DebugLevelIndex) {
            const RunCommand run = readRunCommand(store, defaultInstallDir);
            settings.runCommand = run.command;
            settings.runAtLogin = run.registered;
        }
    }
    return settings;
}

void saveExitSettings(RegistryStore& store, const Settings& settings)
{
    for (const SettingDefinition& d : exitTable())
        saveSetting(store, settings, d);
}

ProxySettings Settings::proxy() const
{
    ProxySettings proxy;
    proxy.enabled = proxyEnable;
    proxy.address = proxyAddress;
    proxy.port = proxyPort;
    proxy.type = proxyType;
    proxy.userName = proxyUsername;
    proxy.password = proxyPassword;
    return proxy;
}

void Settings::setProxy(const ProxySettings& proxy)
{
    proxyEnable = proxy.enabled;
    proxyAddress = proxy.address;
    proxyPort = proxy.port;
    proxyType = proxy.type;
    proxyUsername = proxy.userName;
    proxyPassword = proxy.password;
}

} // namespace verbalink
