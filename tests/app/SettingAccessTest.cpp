#include "app/SettingAccess.h"

#include "platform/MemoryRegistryStore.h"

#include <gtest/gtest.h>

using namespace verbalink;

namespace {

const QString Key = QStringLiteral("Software\\Verbalink");
constexpr auto User = RegistryRoot::CurrentUser;

QByteArray narrow(RegistryStore& store, const QString& name, const QString& def = QString())
{
    return readSetting(store, User, Key, name, def);
}

} // namespace

TEST(SettingAccess, MissingValueIsCreatedWithItsDefault)
{
    MemoryRegistryStore store;
    EXPECT_EQ(narrow(store, QStringLiteral("State"), QStringLiteral("1")), "1");
    EXPECT_EQ(store.readValue(User, Key, QStringLiteral("State")), QStringLiteral("1"));
    // Once it exists the stored text wins over the default.
    EXPECT_EQ(narrow(store, QStringLiteral("State"), QStringLiteral("7")), "1");
    ASSERT_TRUE(writeSetting(store, Key, QStringLiteral("List"), QString()));
    EXPECT_EQ(readSettingWide(store, Key, QStringLiteral("List"), QStringLiteral("x")), QString());
}

TEST(SettingAccess, TerminatorAndEmbeddedNulEndTheText)
{
    MemoryRegistryStore store;
    store.writeValue(User, Key, QStringLiteral("A"), QStringLiteral("33223") + QChar(0));
    store.writeValue(User, Key, QStringLiteral("B"), QStringLiteral("33223"));
    store.writeValue(User, Key, QStringLiteral("C"), QString(QChar(0)));
    EXPECT_EQ(narrow(store, QStringLiteral("A")), narrow(store, QStringLiteral("B")));
    EXPECT_EQ(readSettingWide(store, Key, QStringLiteral("A"), QString()), QStringLiteral("33223"));
    EXPECT_EQ(narrow(store, QStringLiteral("C"), QStringLiteral("d")), "");
}

TEST(SettingAccess, NarrowReadStopsAt99BytesOnACharacterBoundary)
{
    MemoryRegistryStore store;
    const QString ascii99(99, u'a');
    const QString wide = QString(98, u'a') + QStringLiteral("é");  // 100 bytes in UTF-8
    const QString euro = QString(97, u'a') + QStringLiteral("€");  // 100 bytes, 3-byte sequence
    const QString emoji = QString(96, u'a') + QStringLiteral("😀"); // 100 bytes, 4-byte sequence
    store.writeValue(User, Key, QStringLiteral("Exact"), ascii99);
    store.writeValue(User, Key, QStringLiteral("Long"), ascii99 + u'b');
    store.writeValue(User, Key, QStringLiteral("Wide"), wide);
    store.writeValue(User, Key, QStringLiteral("Euro"), euro);
    store.writeValue(User, Key, QStringLiteral("Emoji"), emoji);
    store.writeValue(User, Key, QStringLiteral("Fits"), QString(95, u'a') + QStringLiteral("😀"));

    EXPECT_EQ(narrow(store, QStringLiteral("Exact")), ascii99.toUtf8());
    EXPECT_EQ(narrow(store, QStringLiteral("Long")), ascii99.toUtf8());
    EXPECT_EQ(narrow(store, QStringLiteral("Wide")), QByteArray(98, 'a'));
    EXPECT_EQ(narrow(store, QStringLiteral("Euro")), QByteArray(97, 'a'));
    EXPECT_EQ(narrow(store, QStringLiteral("Emoji")), QByteArray(96, 'a'));
    EXPECT_EQ(narrow(store, QStringLiteral("Fits")).size(), 99);
    // The wide form is not limited.
    EXPECT_EQ(readSettingWide(store, Key, QStringLiteral("Wide"), QString()), wide);
}

TEST(SettingAccess, KeyThatCannotBeOpenedGivesDefaultsAndWritesNothing)
{
    MemoryRegistryStore store;
    store.setReadOnly(User, true);
    EXPECT_EQ(narrow(store, QStringLiteral("Hotkeys"), QStringLiteral("33364")), "33364");
    EXPECT_EQ(readSettingWide(store, Key, QStringLiteral("MusicPlay"), QStringLiteral("x")),
              QStringLiteral("x"));
    EXPECT_FALSE(writeSetting(store, Key, QStringLiteral("State"), QStringLiteral("0")));
    EXPECT_EQ(store.writeCount(), 0);
}

TEST(SettingAccess, NumbersReadAsAtoiDoes)
{
    const QList<QPair<QByteArray, int>> cases{
        {"33223", 33223},
        {"", 0},
        {"abc", 0},
        {"  42", 42},
        {"\t\n-7", -7},
        {"+8", 8},
        {"12ab3", 12},
        {"- 5", 0},
        {"0009", 9},
        {"8080abc", 8080},
        {"99999999999", 2147483647},
        {"-99999999999", -2147483647 - 1},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(settingNumber(text), value) << text.toStdString();
}
