// The real program's automatic update check against a loopback product site.

#include "EventWait.h"
#include "ProgramTestFixture.h"
#include "ScriptedServer.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace verbalink;
using Server = verbalink::test::ScriptedServer;
using verbalink::testing::waitUntil;

namespace {

class UpdateCheckProgramTest : public verbalink::testing::ProgramTestFixture {};

TEST_F(UpdateCheckProgramTest, AsksTheSiteAfterStartAndStoresTheTimeOfTheCheck)
{
    Server site(
        {Server::readRequest(), Server::write("HTTP/1.0 200 OK\r\n\r\nVerbalinkVersion:2.60\n")});
    writeSettings("[Software\\Verbalink]\nLastUpdateCheck=0\n[Software\\Verbalink\\Hosts]\n"
                  "ProductSite=" +
                  site.hostPort() + "\n");
    auto program = launch();
    ASSERT_TRUE(waitUntil([&] { return site.connectionCount() == 1; })) << qPrintable(log());
    const QRegularExpression stored(QStringLiteral("LastUpdateCheck=[1-9][0-9]{9}\n"));
    EXPECT_TRUE(waitUntil([&] { return readFile(settingsFile()).contains(stored); }))
        << qPrintable(readFile(settingsFile()));
    EXPECT_TRUE(site.received()[0].startsWith(
        QByteArray("GET http://" + site.hostPort() + "/version.txt ")));
    ASSERT_TRUE(terminate(*program)) << qPrintable(log());

    // Checked a moment ago: the next start leaves the site alone.
    program = launch();
    ASSERT_TRUE(attached()) << qPrintable(log());
    waitUntil([] { return false; }, 3000);
    EXPECT_EQ(site.connectionCount(), 1);
    ASSERT_TRUE(terminate(*program)) << qPrintable(log());
}

} // namespace
