// The update check against a loopback product site, in virtual time.

#include "extras/UpdateCheck.h"

#include "FakeClock.h"
#include "FakeMessageBox.h"
#include "ScriptedServer.h"
#include "app/SettingAccess.h"
#include "app/Settings.h"
#include "platform/MemoryRegistryStore.h"

#include <QDeadlineTimer>
#include <gtest/gtest.h>
#include <thread>

using namespace verbalink;
using Server = verbalink::test::ScriptedServer;

namespace {

constexpr qint64 Now = 1'800'000'000;
const auto Caption = QStringLiteral("Verbalink update check");

class UpdateCheckTest : public ::testing::Test {
protected:
    UpdateCheckTest() { m_clock.setEpochSeconds(Now); }

    void storeLastCheck(const QString& text)
    {
        writeSetting(m_registry, QString::fromUtf16(SettingsKeyPath), u"LastUpdateCheck"_qs, text);
    }
    QString lastCheck()
    {
        return m_registry
            .readValue(RegistryRoot::CurrentUser, QString::fromUtf16(SettingsKeyPath),
                       u"LastUpdateCheck"_qs)
            .value_or(u"<none>"_qs);
    }
    void check(UpdateCheck::Mode mode, const QByteArray& host)
    {
        UpdateCheck updates({m_clock, m_registry, m_boxes, [this](const QString& page) {
                                 m_pages << page;
                             }});
        updates.run(
            mode, {{host, {}},
                   u"You are using the latest version!"_qs,
                   u"A new version is available - %s\nGo to download page now?"_qs,
                   u"Cannot check for updates! \n Check if internet connection is available."_qs});
    }
    static Server site(const QByteArray& body)
    {
        return Server({Server::readRequest(), Server::write("HTTP/1.0 200 OK\r\n\r\n" + body)});
    }

    test::FakeClock m_clock;
    MemoryRegistryStore m_registry;
    test::FakeMessageBox m_boxes;
    QStringList m_pages;
};

TEST_F(UpdateCheckTest, ComparesThePublishedVersionAndReportsAsEachModeShould)
{
    const struct {
        UpdateCheck::Mode mode;
        QByteArray body;
        bool yes;
        QString box;
        bool question;
        QStringList pages;
        QString stored;
    } cases[] = {
        {UpdateCheck::Mode::Manual,
         "VerbalinkVersion:2.60",
         false,
         u"You are using the latest version!"_qs,
         false,
         {},
         u"0"_qs},
        {UpdateCheck::Mode::Automatic,
         "VerbalinkVersion:2.60\r\n",
         false,
         {},
         false,
         {},
         QString::number(Now + 2)},
        {UpdateCheck::Mode::Manual,
         "VerbalinkVersion:2.70\n",
         true,
         u"A new version is available - 2.70\nGo to download page now?"_qs,
         true,
         {u"download.html"_qs},
         u"0"_qs},
        {UpdateCheck::Mode::Automatic,
         "VerbalinkVersion:2.60.1",
         false,
         u"A new version is available - 2.60.1\nGo to download page now?"_qs,
         true,
         {},
         QString::number(Now + 2)},
        // An error page without the key: silent, nothing written.
        {UpdateCheck::Mode::Manual, "<html>Not Found</html>", false, {}, false, {}, u"0"_qs},
        {UpdateCheck::Mode::Automatic, "<html>Not Found</html>", false, {}, false, {}, u"0"_qs},
    };
    for (const auto& c : cases) {
        SetUp();
        m_clock.setEpochSeconds(Now);
        storeLastCheck(u"0"_qs);
        const int before = int(m_boxes.boxes().size());
        m_pages.clear();
        m_boxes.setAnswer(c.yes);
        Server server = site(c.body);
        check(c.mode, server.hostPort());
        const QList<test::FakeMessageBox::Box> boxes = m_boxes.boxes().mid(before);
        ASSERT_EQ(boxes.size(), c.box.isEmpty() ? 0 : 1) << c.body.constData();
        if (!c.box.isEmpty()) {
            EXPECT_EQ(boxes[0].text, c.box);
            EXPECT_EQ(boxes[0].caption, Caption);
            EXPECT_EQ(boxes[0].question, c.question);
            // Both the answer and the offer inform; neither is a warning.
            EXPECT_EQ(boxes[0].icon, MessageBoxPort::Icon::Information);
        }
        EXPECT_EQ(m_pages, c.pages);
        EXPECT_EQ(lastCheck(), c.stored) << c.body.constData();
        ASSERT_EQ(server.received().size(), 1);
        EXPECT_EQ(server.received()[0],
                  "GET http://" + server.hostPort() +
                      "/version.txt HTTP/1.0\r\nHost: " + server.hostPort() +
                      "\r\nUser-Agent: Mozilla/5.0 (Windows NT 6.1; WOW64; rv:9.0.1) "
                      "Gecko/20100101 Firefox/9.0.1\r\n\r\n");
    }
}

TEST_F(UpdateCheckTest, ASilentSiteIsTriedTwiceAndOnlyTheManualCheckSaysSo)
{
    const QByteArray host = "127.0.0.1:" + QByteArray::number(test::freeLoopbackPort());
    storeLastCheck(u"0"_qs);
    check(UpdateCheck::Mode::Automatic, host);
    EXPECT_TRUE(m_boxes.boxes().isEmpty());
    EXPECT_EQ(lastCheck(), u"0");
    EXPECT_EQ(m_clock.totalSleptMs(), 2000 + 250);

    check(UpdateCheck::Mode::Manual, host);
    ASSERT_EQ(m_boxes.boxes().size(), 1);
    EXPECT_EQ(m_boxes.boxes()[0].text,
              u"Cannot check for updates! \n Check if internet connection is available.");
    EXPECT_EQ(m_boxes.boxes()[0].icon, MessageBoxPort::Icon::Error);
}

TEST_F(UpdateCheckTest, EndedChecksAreJoinedWhenTheNextOneStarts)
{
    const QByteArray host = "127.0.0.1:" + QByteArray::number(test::freeLoopbackPort());
    UpdateCheck updates({m_clock, m_registry, m_boxes, [](const QString&) {
                         }});
    constexpr int Checks = 20;
    for (int i = 1; i <= Checks; ++i) {
        updates.start(UpdateCheck::Mode::Manual, {{host, {}}, {}, {}, u"offline"_qs});
        // Each one fails at once and says so; the next starts once it has.
        const QDeadlineTimer deadline(10000);
        while (m_boxes.boxes().size() < i && !deadline.hasExpired())
            std::this_thread::yield();
        ASSERT_EQ(m_boxes.boxes().size(), i);
    }
    // A check still ending when the next one starts is joined by a later start: only the last
    // few can still be held.
    EXPECT_LE(updates.heldThreads(), 5);
}

TEST_F(UpdateCheckTest, AutomaticChecksWaitThirtySixHoursFromTheLastOne)
{
    const struct {
        QString stored;
        bool asks;
        QString storedAfter;
    } cases[] = {
        {QString::number(Now - 86400), false, QString::number(Now - 86400)},
        {QString::number(Now - 2 * 86400), true, QString::number(Now + 2)},
        {u"yesterday"_qs, true, QString::number(Now + 2)},
        // A time in the future starts the interval again from now, without a check.
        {QString::number(Now + 86400), false, QString::number(Now + 2)},
    };
    for (const auto& c : cases) {
        m_clock.setEpochSeconds(Now);
        storeLastCheck(c.stored);
        Server server = site("VerbalinkVersion:2.60");
        check(UpdateCheck::Mode::Automatic, server.hostPort());
        EXPECT_EQ(server.received().size(), c.asks ? 1 : 0) << qPrintable(c.stored);
        EXPECT_EQ(lastCheck(), c.storedAfter) << qPrintable(c.stored);
    }
    EXPECT_TRUE(m_boxes.boxes().isEmpty());
}

} // namespace
