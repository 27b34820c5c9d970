#include "app/Settings.h"

#include "RecordingRegistryStore.h"
#include "app/RunCommand.h"
#include "app/ServiceHostSettings.h"
#include "platform/DesktopRegistryStore.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace verbalink;

namespace {

const QString Key = QStringLiteral("Software\\Verbalink");
const QString RunKey = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Run");
const QString InstallKey = QStringLiteral("SOFTWARE\\Verbalink");
constexpr auto User = RegistryRoot::CurrentUser;
constexpr auto System = RegistryRoot::LocalMachine;

// Value names and defaults of every option, in the order they are read at start.
const QList<QPair<const char*, const char*>> Expected{
    {"MenuLanguage", "33223"},
    {"Dictionary", "0"},
    {"SpeechVoice", "0"},
    {"SpeechRate", "0"},
    {"RobotID", ""},
    {"RobotTransAnswer", "0"},
    {"RobotDelayAnswer", "1"},
    {"RobotUserList", ""},
    {"TranslateOnlyList", ""},
    {"CallAutoRecord", "0"},
    {"CallStereoRecord", "0"},
    {"VoiceChanger", "33186"},
    {"SoundChanger", "33353"},
    {"VoicePlayback", "0"},
    {"MusicPlayback", "0"},
    {"MusicPlay", ""},
    {"MusicPlayOn", "1"},
    {"ShowTranslit", "0"},
    {"ShowFlags", "1"},
    {"ShowAvatars", "0"},
    {"TranslateInChat", "1"},
    {"MusicVolume", "33201"},
    {"ProxyEnable", "0"},
    {"ProxyAddress", ""},
    {"ProxyPort", "0"},
    {"ProxyUsername", ""},
    {"ProxyPassword", ""},
    {"ProxyType", "0"},
    {"Translator", "1"},
    {"FromLang", "32785"},
    {"ToLang", "32825"},
    {"Yahoo", "32869"},
    {"Systran", "33121"},
    {"LiveFrom", "33001"},
    {"LiveTo", "33022"},
    {"BabylonFrom", "32940"},
    {"BabylonTo", "32971"},
    {"PromtFrom", "33208"},
    {"PromtTo", "33218"},
    {"TranslateIncoming", "33254"},
    {"DebugLevel", "0"},
    {"Verbalink", ""},
    {"Install_Dir", nullptr},
    {"EncryptPopup", "1"},
    {"State", "1"},
    {"Hotkeys", "33364"},
};

QString value(RegistryStore& store, const char* name)
{
    return store.readValue(User, Key, QString::fromLatin1(name)).value_or(QStringLiteral("<none>"));
}

} // namespace

TEST(Settings, FirstRunCreatesEveryOptionWithItsDefaultInReadOrder)
{
    RecordingRegistryStore store;
    const Settings s = loadStartupSettings(store, QStringLiteral("/opt/vl"));

    QStringList order;
    for (const auto& [name, def] : Expected)
        order << QString::fromLatin1(name);
    EXPECT_EQ(store.reads.join(u',').toStdString(), order.join(u',').toStdString());
    for (const auto& [name, def] : Expected) {
        if (def != nullptr && QByteArray(name) != "Verbalink") {
            EXPECT_EQ(value(store.memory, name), QString::fromLatin1(def)) << name;
        }
    }
    EXPECT_EQ(store.memory.readValue(System, InstallKey, QStringLiteral("Install_Dir")),
              QStringLiteral("/opt/vl"));
    EXPECT_FALSE(store.memory.readValue(User, Key, QStringLiteral("LastUpdateCheck")));
    EXPECT_EQ(s.state, 1);
    EXPECT_EQ(s.translator, 1);
    EXPECT_EQ(s.hotkeys, 33364);
    EXPECT_EQ(s.dictionary, QStringLiteral("0"));
    EXPECT_EQ(s.speechVoice, QStringLiteral("0"));
    EXPECT_EQ(s.runCommand, QStringLiteral("\"/opt/vl/bin/verbalink\""));
    EXPECT_FALSE(s.runAtLogin);
}

TEST(Settings, StoredValuesAreReadIntoTheirFields)
{
    MemoryRegistryStore store;
    store.writeValue(User, Key, QStringLiteral("State"), QStringLiteral("0"));
    store.writeValue(User, Key, QStringLiteral("Translator"), QStringLiteral("junk"));
    store.writeValue(User, Key, QStringLiteral("ProxyAddress"), QStringLiteral("proxy.lan"));
    store.writeValue(User, Key, QStringLiteral("MusicPlay"), QStringLiteral("/m/ä.mp3"));
    store.writeValue(User, Key, QStringLiteral("ShowAvatars"), QStringLiteral("128"));
    // Paths are read whole, however long their UTF-8 form.
    const QString deepPath = u"/home/ä/" + QString(120, u'd') + u"/hunspell/de_DE.dic";
    store.writeValue(User, Key, QStringLiteral("Dictionary"), deepPath);
    const Settings s = loadStartupSettings(store, QStringLiteral("/usr"));
    EXPECT_EQ(s.state, 0);
    EXPECT_EQ(s.translator, 0);
    EXPECT_EQ(s.proxyAddress, "proxy.lan");
    EXPECT_EQ(s.musicPlay, QStringLiteral("/m/ä.mp3"));
    EXPECT_EQ(s.showAvatars, 128);
    EXPECT_EQ(s.dictionary, deepPath);
}

TEST(Settings, ProxyValuesTravelToTheConnectionsAndBackUnchanged)
{
    MemoryRegistryStore store;
    const std::pair<const char*, const char*> stored[] = {
        {"ProxyEnable", "1"}, {"ProxyAddress", "proxy.lan"}, {"ProxyPort", "1080"},
        {"ProxyType", "2"},   {"ProxyUsername", "ann"},      {"ProxyPassword", "p:w"}};
    for (const auto& [name, text] : stored)
        store.writeValue(User, Key, QString::fromLatin1(name), QString::fromLatin1(text));
    const Settings loaded = loadStartupSettings(store, QStringLiteral("/usr"));
    const ProxySettings proxy = loaded.proxy();
    EXPECT_EQ(proxy.enabled, 1);
    EXPECT_EQ(proxy.address, "proxy.lan");
    EXPECT_EQ(proxy.port, 1080);
    EXPECT_EQ(proxy.type, ProxySettings::Socks4);
    EXPECT_EQ(proxy.userName, "ann");
    EXPECT_EQ(proxy.password, "p:w");

    Settings saved;
    saved.setProxy(proxy);
    EXPECT_EQ(saved.proxy(), proxy);
}

TEST(Settings, ExitSaveWritesItsSixteenValuesInOrder)
{
    RecordingRegistryStore store;
    Settings s;
    s.state = 0;
    s.toLang = 32830;
    s.dictionary = QStringLiteral("de_DE");
    s.speechVoice = QStringLiteral("Ä voice");
    s.speechRate = -3;
    s.showFlags = 0; // written when changed, never at exit
    saveExitSettings(store, s);
    EXPECT_EQ(
        store.writes,
        QStringList({QStringLiteral("State"), QStringLiteral("FromLang"), QStringLiteral("ToLang"),
                     QStringLiteral("Yahoo"), QStringLiteral("Systran"), QStringLiteral("LiveFrom"),
                     QStringLiteral("LiveTo"), QStringLiteral("BabylonFrom"),
                     QStringLiteral("BabylonTo"), QStringLiteral("PromtFrom"),
                     QStringLiteral("PromtTo"), QStringLiteral("Translator"),
                     QStringLiteral("Dictionary"), QStringLiteral("SpeechVoice"),
                     QStringLiteral("SpeechRate"), QStringLiteral("TranslateIncoming")}));
    EXPECT_EQ(value(store.memory, "State"), QStringLiteral("0"));
    EXPECT_EQ(value(store.memory, "ToLang"), QStringLiteral("32830"));
    EXPECT_EQ(value(store.memory, "Dictionary"), QStringLiteral("de_DE"));
    EXPECT_EQ(value(store.memory, "SpeechVoice"), QStringLiteral("Ä voice"));
    EXPECT_EQ(value(store.memory, "SpeechRate"), QStringLiteral("-3"));

    const SettingDefinition* flags = settingFor(&Settings::showFlags);
    ASSERT_NE(flags, nullptr);
    EXPECT_TRUE(saveSetting(store, s, *flags));
    EXPECT_EQ(value(store.memory, "ShowFlags"), QStringLiteral("0"));
    EXPECT_EQ(settingFor(&Settings::lastUpdateCheck), &lastUpdateCheckSetting());
}

TEST(RunCommand, ShortRunValueCountsAsAbsent)
{
    MemoryRegistryStore store;
    store.writeValue(System, InstallKey, QStringLiteral("Install_Dir"), QStringLiteral("/opt/x/"));

    store.writeValue(User, RunKey, QStringLiteral("Verbalink"), QStringLiteral("ab"));
    RunCommand run = readRunCommand(store, QStringLiteral("/usr"));
    EXPECT_EQ(run.command, QStringLiteral("\"/opt/x/bin/verbalink\""));
    EXPECT_FALSE(run.registered);

    store.writeValue(User, RunKey, QStringLiteral("Verbalink"), QStringLiteral("abc"));
    run = readRunCommand(store, QStringLiteral("/usr"));
    EXPECT_EQ(run.command, QStringLiteral("abc"));
    EXPECT_TRUE(run.registered);

    // A long command is never cut short.
    const QString longCommand = u'"' + QString(150, u'd') + QStringLiteral("/bin/verbalink\"");
    store.writeValue(User, RunKey, QStringLiteral("Verbalink"), longCommand);
    EXPECT_EQ(readRunCommand(store, QStringLiteral("/usr")).command, longCommand);
}

TEST(RunCommand, MissingInstallDirOnAReadOnlySystemUsesTheDefault)
{
    MemoryRegistryStore store;
    store.setReadOnly(System, true);
    const RunCommand run = readRunCommand(store, QStringLiteral("/home/u/.local"));
    EXPECT_EQ(run.command, QStringLiteral("\"/home/u/.local/bin/verbalink\""));
    EXPECT_FALSE(run.registered);
    EXPECT_FALSE(store.readValue(System, InstallKey, QStringLiteral("Install_Dir")));
}

TEST(RunCommand, SwitchingOnAndOffWritesAndDeletesTheAutostartEntry)
{
    QTemporaryDir dir;
    DesktopRegistryStore store({dir.filePath(QStringLiteral("u.conf")),
                                dir.filePath(QStringLiteral("sys.conf")),
                                dir.filePath(QStringLiteral("autostart"))});
    RunCommand run = readRunCommand(store, QStringLiteral("/opt/v"));
    EXPECT_FALSE(run.registered);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("autostart/verbalink.desktop"))));

    ASSERT_TRUE(enableRunAtLogin(store, run.command));
    run = readRunCommand(store, QStringLiteral("/elsewhere"));
    EXPECT_TRUE(run.registered);
    EXPECT_EQ(run.command, QStringLiteral("\"/opt/v/bin/verbalink\""));
    EXPECT_FALSE(enableRunAtLogin(store, QStringLiteral("ab")));

    ASSERT_TRUE(disableRunAtLogin(store));
    EXPECT_FALSE(readRunCommand(store, QStringLiteral("/opt/v")).registered);
}

TEST(ServiceHosts, AreCreatedUnderTheirOwnKeyAndMayCarryAPort)
{
    MemoryRegistryStore store;
    const QString hostsKey = QStringLiteral("Software\\Verbalink\\Hosts");
    store.writeValue(User, hostsKey, QStringLiteral("Yahoo"), QStringLiteral("127.0.0.1:8081"));
    const ServiceHosts hosts = readServiceHosts(store);
    EXPECT_EQ(hosts.yahoo, "127.0.0.1:8081");
    for (const char* name : {"Google", "GoogleTranslate", "Yahoo", "Bing", "Babylon", "SysTran",
                             "Promt", "Pandorabots", "ProductSite"}) {
        const auto stored = store.readValue(User, hostsKey, QString::fromLatin1(name));
        ASSERT_TRUE(stored.has_value()) << name;
        EXPECT_FALSE(stored->isEmpty()) << name;
    }
    EXPECT_EQ(hosts.google, store.readValue(User, hostsKey, QStringLiteral("Google"))->toUtf8());
}

TEST(Settings, RoundTripThroughTheSettingsFile)
{
    QTemporaryDir dir;
    const DesktopRegistryStore::Paths paths{dir.filePath(QStringLiteral("u/Verbalink.conf")),
                                            dir.filePath(QStringLiteral("sys.conf")),
                                            dir.filePath(QStringLiteral("autostart"))};
    {
        DesktopRegistryStore store(paths);
        Settings s = loadStartupSettings(store, QStringLiteral("/usr"));
        s.state = 0;
        s.speechVoice = QStringLiteral("espeak\\en=x\n");
        s.dictionary = u"/usr/share/" + QString(100, u'ü') + u"/en_US.dic";
        saveExitSettings(store, s);
    }
    DesktopRegistryStore again(paths);
    const Settings s = loadStartupSettings(again, QStringLiteral("/usr"));
    EXPECT_EQ(s.state, 0);
    EXPECT_EQ(s.speechVoice, QStringLiteral("espeak\\en=x\n"));
    EXPECT_EQ(s.dictionary, u"/usr/share/" + QString(100, u'ü') + u"/en_US.dic");
    EXPECT_EQ(s.hotkeys, 33364);
}
