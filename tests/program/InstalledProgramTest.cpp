// The program as `cmake --install` lays it out, run from a staging folder (DESTDIR) against the
// simulator.

#include "EventWait.h"
#include "ProgramTestFixture.h"
#include "VirtualDisplay.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace verbalink;
using verbalink::testing::waitUntil;

namespace {

class InstalledProgramTest : public verbalink::testing::ProgramTestFixture {};

TEST_F(InstalledProgramTest, RunsFromTheStagingFolderAndStartsAtLoginFromThere)
{
    QTemporaryDir stage;
    QProcess install;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"DESTDIR"_qs, stage.path());
    install.setProcessEnvironment(environment);
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(
        QStringLiteral(CMAKE_COMMAND),
        {u"--install"_qs, QStringLiteral(PROJECT_BINARY_DIR), u"--prefix"_qs, u"/usr"_qs});
    ASSERT_TRUE(install.waitForFinished(120000));
    ASSERT_EQ(install.exitCode(), 0) << install.readAll().toStdString();
    const QString installed = stage.path() + u"/usr/bin/verbalink"_qs;
    for (const QString& name :
         {u"verbalink"_qs, u"verbalink-gateway"_qs, u"verbalink-skype-sim"_qs}) {
        const QString executable = stage.path() + u"/usr/bin/"_qs + name;
        EXPECT_TRUE(QFileInfo(executable).isExecutable()) << qPrintable(executable);
    }

    verbalink::testing::VirtualDisplay display;
    ASSERT_TRUE(showOn(display));
    m_program->setExecutable(installed);
    // Czech: the interface texts come with the program wherever it is installed.
    writeSettings("[Software\\Verbalink]\nMenuLanguage=33249\n");
    auto program = launch();
    ASSERT_TRUE(attached()) << qPrintable(log());
    EXPECT_TRUE(logShows(QString::fromUtf8("\"Vypnout překlad\""))) << qPrintable(log());
    ASSERT_TRUE(logShows(u"hot keys: 22 grabbed"_qs)) << qPrintable(log());

    // "Run with Windows", from the menu a second start opens: Preferences (the 14th entry),
    // then the fifth entry of its submenu.
    auto second = launch();
    ASSERT_TRUE(second->waitForFinished(10000));
    ASSERT_TRUE(logShows(u"tray menu opened"_qs)) << qPrintable(log());
    waitUntil([] { return false; }, 500);
    for (int i = 0; i < 14; ++i)
        ASSERT_TRUE(display.press(u"Down"_qs));
    ASSERT_TRUE(display.press(u"Right"_qs));
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(display.press(u"Down"_qs));
    ASSERT_TRUE(display.press(u"Return"_qs));

    const QString autostart = path(u"config/autostart"_qs);
    QString entry;
    ASSERT_TRUE(waitUntil([&] {
        const QStringList files = QDir(autostart).entryList({u"*.desktop"_qs}, QDir::Files);
        entry = files.isEmpty() ? QString() : readFile(autostart + u'/' + files.first());
        return !entry.isEmpty();
    })) << qPrintable(log());
    EXPECT_TRUE(entry.contains(u"Exec=\""_qs + installed + u'"')) << qPrintable(entry);
    ASSERT_TRUE(terminate(*program)) << qPrintable(log());
}

} // namespace
