#include "app/StoredSettings.h"

#include "RecordingRegistryStore.h"

#include <QStringList>
#include <climits>
#include <functional>
#include <gtest/gtest.h>

namespace verbalink {
namespace {

using namespace Qt::StringLiterals;

const QString Key = u"Software\\Verbalink"_s;

class StoredSettingsTest : public ::testing::Test {
protected:
    StoredSettingsTest()
    {
        QObject::connect(&settings, &StoredSettings::changed,
                         [this](const QString& name) { announced << name; });
    }

    std::optional<QString> stored(const QString& name)
    {
        return store.memory.readValue(RegistryRoot::CurrentUser, Key, name);
    }

    RecordingRegistryStore store;
    StoredSettings settings{store};
    QStringList announced;
};

TEST_F(StoredSettingsTest, EachSetterStoresTheTablesTextAndKeepsTheRecord)
{
    struct Case {
        const char16_t* name;
        std::function<bool()> set;
        QString text;
        std::function<bool(const Settings&)> recorded;
    };
    const Case cases[] = {
        {u"ShowFlags", [&] { return settings.setFlag(&Settings::showFlags, false); }, u"0"_s,
         [](const Settings& s) {
             return s.showFlags == 0;
         }},
        {u"MenuLanguage", [&] { return settings.set(&Settings::menuLanguage, 33249); }, u"33249"_s,
         [](const Settings& s) {
             return s.menuLanguage == 33249;
         }},
        {u"ProxyAddress", [&] { return settings.set(&Settings::proxyAddress, "proxy.lan"); },
         u"proxy.lan"_s,
         [](const Settings& s) {
             return s.proxyAddress == "proxy.lan";
         }},
        {u"MusicPlay", [&] { return settings.set(&Settings::musicPlay, u"/m/ä.mp3"_s); },
         u"/m/ä.mp3"_s,
         [](const Settings& s) {
             return s.musicPlay == u"/m/ä.mp3";
         }},
        // A time past the int range is stored whole; the record holds what a read gives back.
        {u"LastUpdateCheck",
         [&] { return settings.set(&Settings::lastUpdateCheck, Q_INT64_C(4102444800)); },
         u"4102444800"_s,
         [](const Settings& s) {
             return s.lastUpdateCheck == INT_MAX;
         }},
        // Forms that know names only go through the table too.
        {u"ProxyPort", [&] { return settings.setText(u"ProxyPort"_s, u"1080"_s); }, u"1080"_s,
         [](const Settings& s) {
             return s.proxyPort == 1080;
         }},
        {u"ProxyUsername", [&] { return settings.setText(u"ProxyUsername"_s, u"änn"_s); }, u"änn"_s,
         [](const Settings& s) {
             return s.proxyUsername == u"änn"_s.toUtf8();
         }},
    };
    for (const Case& c : cases) {
        const QString name = QString::fromUtf16(c.name);
        SCOPED_TRACE(name.toStdString());
        announced.clear();
        store.writes.clear();
        EXPECT_TRUE(c.set());
        EXPECT_EQ(stored(name), c.text);
        EXPECT_TRUE(c.recorded(settings.values()));
        EXPECT_EQ(announced, QStringList{name});
        // The same value again is written again, but nothing changed to announce.
        EXPECT_TRUE(c.set());
        EXPECT_EQ(store.writes, (QStringList{name, name}));
        EXPECT_EQ(announced, QStringList{name});
    }
}

TEST_F(StoredSettingsTest, ANameOutsideTheTableIsRefused)
{
    EXPECT_FALSE(settings.setText(u"ProxyServer"_s, u"x"_s));
    EXPECT_FALSE(settings.setText(u"proxyport"_s, u"1"_s)); // names are exact
    EXPECT_TRUE(store.writes.isEmpty());
    EXPECT_TRUE(announced.isEmpty());
}

TEST_F(StoredSettingsTest, ARefusedWriteStillChangesTheRecord)
{
    store.memory.setReadOnly(RegistryRoot::CurrentUser, true);
    EXPECT_FALSE(settings.setFlag(&Settings::callAutoRecord, true));
    EXPECT_EQ(settings.values().callAutoRecord, 1);
    EXPECT_EQ(announced, QStringList{u"CallAutoRecord"_s});
    EXPECT_FALSE(stored(u"CallAutoRecord"_s));
}

TEST_F(StoredSettingsTest, ReloadSeesAChangeMadeElsewhereAndCreatesAMissingValue)
{
    EXPECT_EQ(settings.reload(&Settings::lastUpdateCheck), 0);
    EXPECT_EQ(stored(u"LastUpdateCheck"_s), u"0"_s);
    store.memory.writeValue(RegistryRoot::CurrentUser, Key, u"LastUpdateCheck"_s, u"1700000000"_s);
    EXPECT_EQ(settings.reload(&Settings::lastUpdateCheck), 1700000000);
    EXPECT_EQ(settings.values().lastUpdateCheck, 1700000000);
    EXPECT_TRUE(announced.isEmpty());
}

TEST_F(StoredSettingsTest, TheLoginEntryIsRegisteredAndRemoved)
{
    Settings initial;
    initial.runCommand = u"\"/opt/v/bin/verbalink\""_s;
    StoredSettings withCommand{store, initial};
    const QString run = u"Software\\Microsoft\\Windows\\CurrentVersion\\Run"_s;
    EXPECT_TRUE(withCommand.setRunAtLogin(true));
    EXPECT_EQ(store.memory.readValue(RegistryRoot::CurrentUser, run, u"Verbalink"_s),
              initial.runCommand);
    EXPECT_TRUE(withCommand.values().runAtLogin);
    EXPECT_TRUE(withCommand.setRunAtLogin(false));
    EXPECT_FALSE(store.memory.readValue(RegistryRoot::CurrentUser, run, u"Verbalink"_s));
    EXPECT_FALSE(withCommand.values().runAtLogin);
}

TEST_F(StoredSettingsTest, TheExitSaveTakesOnlyTheExitSavedFields)
{
    settings.load(u"/usr"_s);
    store.writes.clear();
    Settings latest = settings.values();
    latest.state = 0;
    latest.toLang = 32830;
    latest.showFlags = 0; // written when it changes, never at exit
    settings.saveAtExit(latest);
    EXPECT_EQ(store.writes.size(), 16);
    EXPECT_FALSE(store.writes.contains(u"ShowFlags"_s));
    EXPECT_EQ(stored(u"State"_s), u"0"_s);
    EXPECT_EQ(stored(u"ToLang"_s), u"32830"_s);
    EXPECT_EQ(settings.values().toLang, 32830);
    EXPECT_EQ(settings.values().showFlags, 1);
    EXPECT_TRUE(announced.isEmpty());
}

} // namespace
} // namespace verbalink
