#include "app/Settings.h"

#include "app/RunCommand.h"
#include "app/SettingAccess.h"

#include <array>

namespace verbalink {

namespace {

using S = Settings;

// Read at start in this order; the login command is read after DebugLevel.
constexpr std::array<SettingDefinition, 44> startupTable{{
    {u"MenuLanguage", &S::menuLanguage},
    {u"Dictionary", &S::dictionary},
    {u"SpeechVoice", &S::speechVoice},
    {u"SpeechRate", &S::speechRate},
    {u"RobotID", &S::robotId},
    {u"RobotTransAnswer", &S::robotTransAnswer},
    {u"RobotDelayAnswer", &S::robotDelayAnswer},
    {u"RobotUserList", &S::robotUserList},
    {u"TranslateOnlyList", &S::translateOnlyList},
    {u"CallAutoRecord", &S::callAutoRecord},
    {u"CallStereoRecord", &S::callStereoRecord},
    {u"VoiceChanger", &S::voiceChanger},
    {u"SoundChanger", &S::soundChanger},
    {u"VoicePlayback", &S::voicePlayback},
    {u"MusicPlayback", &S::musicPlayback},
    {u"MusicPlay", &S::musicPlay},
    {u"MusicPlayOn", &S::musicPlayOn},
    {u"ShowTranslit", &S::showTranslit},
    {u"ShowFlags", &S::showFlags},
    {u"ShowAvatars", &S::showAvatars},
    {u"TranslateInChat", &S::translateInChat},
    {u"MusicVolume", &S::musicVolume},
    {u"ProxyEnable", &S::proxyEnable},
    {u"ProxyAddress", &S::proxyAddress},
    {u"ProxyPort", &S::proxyPort},
    {u"ProxyUsername", &S::proxyUsername},
    {u"ProxyPassword", &S::proxyPassword},
    {u"ProxyType", &S::proxyType},
    {u"Translator", &S::translator},
    {u"FromLang", &S::fromLang},
    {u"ToLang", &S::toLang},
    {u"Yahoo", &S::yahoo},
    {u"Systran", &S::systran},
    {u"LiveFrom", &S::liveFrom},
    {u"LiveTo", &S::liveTo},
    {u"BabylonFrom", &S::babylonFrom},
    {u"BabylonTo", &S::babylonTo},
    {u"PromtFrom", &S::promtFrom},
    {u"PromtTo", &S::promtTo},
    {u"TranslateIncoming", &S::translateIncoming},
    {u"DebugLevel", &S::debugLevel},
    {u"EncryptPopup", &S::encryptPopup},
    {u"State", &S::state},
    {u"Hotkeys", &S::hotkeys},
}};

constexpr qsizetype DebugLevelIndex = 40;

constexpr SettingDefinition lastUpdateCheckDefinition{u"LastUpdateCheck", &S::lastUpdateCheck};

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

struct FieldText {
    const Settings& settings;
    QString operator()(int S::*field) const { return QString::number(settings.*field); }
    QString operator()(QByteArray S::*field) const { return QString::fromUtf8(settings.*field); }
    QString operator()(QString S::*field) const { return settings.*field; }
};

// A missing value is created with the text of the field's initial value.
QString defaultText(const SettingDefinition& d)
{
    static const Settings defaults;
    return std::visit(FieldText{defaults}, d.field);
}

struct FieldLoader {
    RegistryStore& store;
    Settings& settings;
    const SettingDefinition& d;

    QByteArray narrow() const
    {
        return readSetting(store, RegistryRoot::CurrentUser, QString::fromUtf16(SettingsKeyPath),
                           QString::fromUtf16(d.name), defaultText(d));
    }
    void operator()(int S::*field) const { settings.*field = settingNumber(narrow()); }
    void operator()(QByteArray S::*field) const { settings.*field = narrow(); }
    void operator()(QString S::*field) const
    {
        settings.*field = readSettingWide(store, QString::fromUtf16(SettingsKeyPath),
                                          QString::fromUtf16(d.name), defaultText(d));
    }
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

const SettingDefinition* settingNamed(QStringView name)
{
    for (const SettingDefinition& d : startupTable) {
        if (QStringView(d.name) == name)
            return &d;
    }
    return QStringView(lastUpdateCheckDefinition.name) == name ? &lastUpdateCheckDefinition
                                                               : nullptr;
}

bool saveSetting(RegistryStore& store, const Settings& settings,
                 const SettingDefinition& definition)
{
    return storeSettingText(store, definition, std::visit(FieldText{settings}, definition.field));
}

bool storeSettingText(RegistryStore& store, const SettingDefinition& definition,
                      const QString& text)
{
    return writeSetting(store, QString::fromUtf16(SettingsKeyPath),
                        QString::fromUtf16(definition.name), text);
}

namespace {

bool storeText(RegistryStore& store, SettingDefinition::Field field, const QString& text)
{
    const SettingDefinition* definition = settingFor(field);
    return definition && storeSettingText(store, *definition, text);
}

} // namespace

bool storeSetting(RegistryStore& store, int Settings::*field, qint64 value)
{
    return storeText(store, field, QString::number(value));
}

bool storeSetting(RegistryStore& store, QByteArray Settings::*field, const QByteArray& value)
{
    return storeText(store, field, QString::fromUtf8(value));
}

bool storeSetting(RegistryStore& store, QString Settings::*field, const QString& value)
{
    return storeText(store, field, value);
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
