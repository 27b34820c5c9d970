#include "platform/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>

using namespace verbalink;

namespace {

const QString Key = QStringLiteral("Software\\Verbalink");

class SettingsFileTest : public ::testing::Test {
protected:
    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath(QStringLiteral("cfg/Verbalink.conf")); }

    static bool set(SettingsFile& file, const QString& name, const QString& value)
    {
        return file.update([&](SettingsDocument& doc) {
            doc.setValue(Key, name, value);
            return true;
        });
    }
};

QProcess* startWriter(QObject* parent, const QString& file, const QString& prefix, int count)
{
    auto* process = new QProcess(parent);
    process->start(QStringLiteral(SETTINGS_WRITER), {file, prefix, QString::number(count)});
    return process;
}

} // namespace

TEST_F(SettingsFileTest, CreatesFolderAndWritesPrivateFile)
{
    SettingsFile file(path());
    EXPECT_FALSE(file.read().hasSection(Key));
    ASSERT_TRUE(set(file, QStringLiteral("State"), QStringLiteral("1")));
    EXPECT_EQ(file.read().value(Key, QStringLiteral("State")), QStringLiteral("1"));
    EXPECT_EQ(QFileInfo(path()).permissions() & (QFile::ReadOther | QFile::ReadGroup), 0);
}

TEST_F(SettingsFileTest, SeesChangesMadeByAnotherWriter)
{
    SettingsFile first(path());
    SettingsFile second(path());
    ASSERT_TRUE(set(first, QStringLiteral("A"), QStringLiteral("1")));
    ASSERT_TRUE(set(second, QStringLiteral("B"), QStringLiteral("2")));
    const SettingsDocument seen = first.read();
    EXPECT_EQ(seen.value(Key, QStringLiteral("A")), QStringLiteral("1"));
    EXPECT_EQ(seen.value(Key, QStringLiteral("B")), QStringLiteral("2"));
}

TEST_F(SettingsFileTest, UnreadableFileIsKeptAsideAndDefaultsFollow)
{
    QDir().mkpath(QFileInfo(path()).absolutePath());
    const QByteArray garbage("this is not [a settings file\n\xff\xfe");
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(garbage);
    }
    SettingsFile file(path());
    EXPECT_FALSE(file.read().value(Key, QStringLiteral("State")).has_value());
    const QString aside = file.lastMovedAside();
    ASSERT_FALSE(aside.isEmpty());
    QFile kept(aside);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), garbage);

    ASSERT_TRUE(set(file, QStringLiteral("State"), QStringLiteral("0")));
    EXPECT_EQ(file.read().value(Key, QStringLiteral("State")), QStringLiteral("0"));
}

TEST_F(SettingsFileTest, BrokenFileFoundByAWriterIsKeptAsideToo)
{
    QDir().mkpath(QFileInfo(path()).absolutePath());
    QFile f(path());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("no section=here\n");
    f.close();
    SettingsFile file(path());
    ASSERT_TRUE(set(file, QStringLiteral("X"), QStringLiteral("1")));
    EXPECT_FALSE(file.lastMovedAside().isEmpty());
    EXPECT_TRUE(QFile::exists(file.lastMovedAside()));
}

TEST_F(SettingsFileTest, FileBrokenWhileInUseIsKeptAsideAndItsValuesWrittenBack)
{
    // Whatever touches the file next, a read, a change, or a write of a value it already
    // had, puts the values this object knew back in place.
    const std::function<void(SettingsFile&)> nextAccesses[] = {
        [](SettingsFile& file) { file.read(); },
        [](SettingsFile& file) { set(file, QStringLiteral("State"), QStringLiteral("0")); },
        [](SettingsFile& file) { set(file, QStringLiteral("ProxyPort"), QStringLiteral("3128")); },
    };
    const QByteArray garbage("\xff\xfe garbage [ without = sense\n");
    for (const auto& access : nextAccesses) {
        QFile::remove(path());
        SettingsFile file(path());
        ASSERT_TRUE(set(file, QStringLiteral("ProxyAddress"), QStringLiteral("proxy.example")));
        ASSERT_TRUE(set(file, QStringLiteral("ProxyPort"), QStringLiteral("3128")));
        {
            QFile broken(path());
            ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
            broken.write(garbage);
            broken.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
        }
        access(file);

        QFile kept(file.lastMovedAside());
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), garbage);
        EXPECT_EQ(kept.permissions() & (QFile::ReadOther | QFile::ReadGroup), 0);
        // A second object reads the file from disk: the values are there again.
        const SettingsDocument onDisk = SettingsFile(path()).read();
        EXPECT_EQ(onDisk.value(Key, QStringLiteral("ProxyAddress")),
                  QStringLiteral("proxy.example"));
        EXPECT_EQ(onDisk.value(Key, QStringLiteral("ProxyPort")), QStringLiteral("3128"));
        QFile::remove(file.lastMovedAside());
    }
}

TEST_F(SettingsFileTest, ConcurrentWritersFromTwoProcessesAndAThreadAllSurvive)
{
    QObject owner;
    QProcess* a = startWriter(&owner, path(), QStringLiteral("a"), 40);
    QProcess* b = startWriter(&owner, path(), QStringLiteral("b"), 40);
    SettingsFile local(path());
    for (int i = 0; i < 40; ++i)
        ASSERT_TRUE(set(local, u"c" + QString::number(i), QString::number(i)));
    ASSERT_TRUE(a->waitForFinished(60000));
    ASSERT_TRUE(b->waitForFinished(60000));
    EXPECT_EQ(a->exitCode(), 0);
    EXPECT_EQ(b->exitCode(), 0);

    const SettingsDocument doc = local.read();
    EXPECT_TRUE(local.lastMovedAside().isEmpty());
    for (const QString& prefix : {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}) {
        for (int i = 0; i < 40; ++i)
            EXPECT_EQ(doc.value(Key, prefix + QString::number(i)), QString::number(i))
                << qPrintable(prefix) << i;
    }
}

TEST_F(SettingsFileTest, KillingAWriterMidWriteNeverLeavesATornFile)
{
    SettingsFile file(path());
    ASSERT_TRUE(set(file, QStringLiteral("Keep"), QStringLiteral("me")));
    QObject owner;
    for (int round = 0; round < 12; ++round) {
        QProcess* writer = startWriter(&owner, path(), u"w" + QString::number(round), 0);
        ASSERT_TRUE(writer->waitForReadyRead(30000));
        QThread::msleep(QRandomGenerator::global()->bounded(1, 40));
        writer->kill();
        writer->waitForFinished(10000);

        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const auto doc = SettingsDocument::parse(f.readAll());
        ASSERT_TRUE(doc.has_value()) << "round " << round;
        EXPECT_EQ(doc->value(Key, QStringLiteral("Keep")), QStringLiteral("me"));
        // Every value present is whole: a torn file would end in a value cut short.
        const QString filler(20000, u'x');
        int whole = 0;
        for (int i = 0;
             const auto v = doc->value(Key, u"w" + QString::number(round) + QString::number(i));
             ++i) {
            EXPECT_EQ(*v, filler + QString::number(i)) << "round " << round << " value " << i;
            ++whole;
        }
        EXPECT_GE(whole, 1);
    }
}
