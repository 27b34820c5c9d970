// The broadcast loop in virtual time.

#include "extras/BroadcastSender.h"

#include "FakeClock.h"

#include <QList>
#include <QStringList>
#include <gtest/gtest.h>

using namespace verbalink;

namespace {

TEST(BroadcastSenderTest, EveryContactInListOrderAHundredMillisecondsApart)
{
    test::FakeClock clock;
    QStringList log;
    std::atomic<bool> cancel{false};
    BroadcastSender sender({[](qsizetype i) -> QString { return u"contact" + QString::number(i); },
                            [&](const QString& handle, const QString& text) {
                                log << QString::number(clock.nowMs()) + u' ' + handle + u' ' + text;
                                return true;
                            },
                            [&](bool running) { log << (running ? u"running"_qs : u"done"_qs); },
                            clock});
    QList<qsizetype> progress;
    auto record = [&](qsizetype done) {
        progress << done;
    };
    EXPECT_EQ(sender.send(u"Hi"_qs, 3, record, cancel), BroadcastSender::Outcome::Sent);
    EXPECT_EQ(log, (QStringList{u"running"_qs, u"0 contact0 Hi"_qs, u"100 contact1 Hi"_qs,
                                u"200 contact2 Hi"_qs, u"done"_qs}));
    EXPECT_EQ(progress, (QList<qsizetype>{1, 2, 3}));
    EXPECT_EQ(clock.totalSleptMs(), 300);

    log.clear();
    EXPECT_EQ(sender.send(u"Hi"_qs, 0, record, cancel), BroadcastSender::Outcome::NoContacts);
    EXPECT_TRUE(log.isEmpty());

    // Cancelled between two contacts: the rest are not sent, and the link is told it ended.
    cancel = true;
    EXPECT_EQ(sender.send(u"Hi"_qs, 3, record, cancel), BroadcastSender::Outcome::Cancelled);
    EXPECT_EQ(log, (QStringList{u"running"_qs, u"done"_qs}));
}

} // namespace
