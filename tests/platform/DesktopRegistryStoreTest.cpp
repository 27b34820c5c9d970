#include "platform/DesktopRegistryStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace verbalink;

namespace {

const QString Key = QStringLiteral("Software\\Verbalink");
const QString RunKey = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Run");
constexpr auto User = RegistryRoot::CurrentUser;
constexpr auto System = RegistryRoot::LocalMachine;

class DesktopRegistryStoreTest : public ::testing::Test {
protected:
    QTemporaryDir m_dir;
    DesktopRegistryStore::Paths paths() const
    {
        return {m_dir.filePath(QStringLiteral("user/Verbalink/Verbalink.conf")),
                m_dir.filePath(QStringLiteral("etc/Verbalink/Verbalink.conf")),
                m_dir.filePath(QStringLiteral("user/autostart"))};
    }
    void writeFile(const QString& path, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
};

} // namespace

TEST_F(DesktopRegistryStoreTest, UserValuesAreStoredSizedAndDeleted)
{
    DesktopRegistryStore store(paths());
    EXPECT_TRUE(store.createKey(User, Key));
    EXPECT_FALSE(store.valueSize(User, Key, QStringLiteral("State")).has_value());
    ASSERT_TRUE(store.writeValue(User, Key, QStringLiteral("State"), QStringLiteral("1")));
    EXPECT_EQ(store.valueSize(User, Key, QStringLiteral("state")), 2);
    ASSERT_TRUE(store.writeValue(User, Key, QStringLiteral("Empty"), QString()));
    EXPECT_EQ(store.valueSize(User, Key, QStringLiteral("Empty")), 0);

    DesktopRegistryStore other(paths());
    EXPECT_EQ(other.readValue(User, Key, QStringLiteral("State")), QStringLiteral("1"));
    EXPECT_TRUE(store.deleteValue(User, Key, QStringLiteral("State")));
    EXPECT_FALSE(other.readValue(User, Key, QStringLiteral("State")).has_value());
}

TEST_F(DesktopRegistryStoreTest, SystemValuesAreReadOnly)
{
    DesktopRegistryStore store(paths());
    EXPECT_FALSE(store.createKey(System, QStringLiteral("SOFTWARE\\Verbalink")));
    EXPECT_FALSE(store.writeValue(System, QStringLiteral("SOFTWARE\\Verbalink"),
                                  QStringLiteral("Install_Dir"), QStringLiteral("/x")));
    EXPECT_FALSE(QFile::exists(paths().systemFile));

    writeFile(paths().systemFile, "[SOFTWARE\\Verbalink]\nInstall_Dir=/opt/verbalink\n");
    EXPECT_TRUE(store.createKey(System, QStringLiteral("software\\verbalink")));
    EXPECT_EQ(store.readValue(System, QStringLiteral("SOFTWARE\\Verbalink"),
                              QStringLiteral("Install_Dir")),
              QStringLiteral("/opt/verbalink"));
    EXPECT_FALSE(
        store.readValue(User, QStringLiteral("SOFTWARE\\Verbalink"), QStringLiteral("Install_Dir"))
            .has_value());
}

TEST_F(DesktopRegistryStoreTest, RunKeyIsTheAutostartEntry)
{
    DesktopRegistryStore store(paths());
    const QString entry = paths().autostartFolder + u"/verbalink.desktop";
    EXPECT_TRUE(store.createKey(User, RunKey));
    EXPECT_FALSE(store.valueSize(User, RunKey, QStringLiteral("Verbalink")).has_value());

    // Creating the missing value with its empty default must not leave an entry that runs nothing.
    EXPECT_TRUE(store.writeValue(User, RunKey, QStringLiteral("Verbalink"), QString()));
    EXPECT_FALSE(QFile::exists(entry));

    const QString command = QStringLiteral("\"/opt/my apps/bin/verbalink\" -m\\x");
    ASSERT_TRUE(store.writeValue(User, RunKey, QStringLiteral("Verbalink"), command));
    ASSERT_TRUE(QFile::exists(entry));
    EXPECT_EQ(store.readValue(User, RunKey, QStringLiteral("Verbalink")), command);
    QFile f(entry);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    EXPECT_TRUE(text.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(text.contains("\nType=Application\n"));
    EXPECT_TRUE(text.contains("\nExec=\"/opt/my apps/bin/verbalink\" -m\\\\x\n"));
    f.close();

    EXPECT_TRUE(store.deleteValue(User, RunKey, QStringLiteral("Verbalink")));
    EXPECT_FALSE(QFile::exists(entry));
    EXPECT_FALSE(store.readValue(User, RunKey, QStringLiteral("Verbalink")).has_value());
    // The options file is untouched by the Run key.
    EXPECT_FALSE(store.userFile().read().hasSection(RunKey));
}

TEST_F(DesktopRegistryStoreTest, EntryWrittenByHandIsRead)
{
    writeFile(paths().autostartFolder + u"/verbalink.desktop",
              "[Desktop Entry]\nName=V\n[Desktop Action x]\nExec=wrong\n");
    DesktopRegistryStore store(paths());
    EXPECT_FALSE(store.readValue(User, RunKey, QStringLiteral("Verbalink")).has_value());
    writeFile(paths().autostartFolder + u"/verbalink.desktop",
              "# x\n[Desktop Entry]\nExec=\\sverbalink --x\n");
    EXPECT_EQ(store.readValue(User, RunKey, QStringLiteral("Verbalink")),
              QStringLiteral(" verbalink --x"));
}
