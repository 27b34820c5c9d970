#include "app/DebugLog.h"

#include <QStringList>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace verbalink {
namespace {

using namespace Qt::StringLiterals;

QStringList linesOf(const DebugLog& log)
{
    return log.text().split(u'\n', Qt::SkipEmptyParts);
}

TEST(DebugLogTest, DropsLinesWhileHidden)
{
    DebugLog log;
    int changes = 0;
    QObject::connect(&log, &DebugLog::changed, [&] { ++changes; });
    log.logLine(u"before"_s);
    EXPECT_TRUE(log.text().isEmpty());
    EXPECT_EQ(changes, 0);

    log.setVisible(true);
    log.logLine(u"shown"_s);
    log.setVisible(false);
    log.logLine(u"after"_s);
    // Hiding keeps what was logged while shown.
    EXPECT_EQ(log.text(), u"shown\n");
    EXPECT_EQ(changes, 1);
}

TEST(DebugLogTest, StartsANewPageAfterTwentyLines)
{
    DebugLog log;
    log.setVisible(true);
    for (int i = 1; i <= 20; ++i)
        log.logLine(QString::number(i));
    EXPECT_EQ(linesOf(log).size(), 20);
    EXPECT_EQ(linesOf(log).first(), u"1");

    log.logLine(u"21"_s);
    EXPECT_EQ(linesOf(log), QStringList{u"21"_s});
    EXPECT_EQ(log.lineCount(), 1);

    // Every later page holds twenty lines as well.
    for (int i = 22; i <= 40; ++i)
        log.logLine(QString::number(i));
    EXPECT_EQ(linesOf(log).size(), 20);
    log.logLine(u"41"_s);
    EXPECT_EQ(linesOf(log), QStringList{u"41"_s});
}

TEST(DebugLogTest, ToggleReportsAndSignalsVisibility)
{
    DebugLog log;
    QList<bool> seen;
    QObject::connect(&log, &DebugLog::visibilityChanged, [&](bool v) { seen.append(v); });
    EXPECT_TRUE(log.toggleVisible());
    EXPECT_FALSE(log.toggleVisible());
    log.setVisible(false); // no change, no signal
    EXPECT_EQ(seen, (QList<bool>{true, false}));
}

TEST(DebugLogTest, ConcurrentWritersLoseNoLine)
{
    DebugLog log;
    log.setVisible(true);
    std::atomic<int> changes{0};
    // Direct: the count is taken on the writing thread, no event loop needed.
    QObject::connect(
        &log, &DebugLog::changed, &log, [&] { changes.fetch_add(1); }, Qt::DirectConnection);
    constexpr int threads = 4;
    constexpr int perThread = 2503;
    std::vector<std::thread> writers;
    for (int t = 0; t < threads; ++t)
        writers.emplace_back([&log, t] {
            for (int i = 0; i < perThread; ++i)
                log.logLine(u"writer %1 line %2"_s.arg(t).arg(i));
        });
    for (auto& writer : writers)
        writer.join();

    constexpr int total = threads * perThread;
    EXPECT_EQ(changes.load(), total);
    // With every line counted, the last page holds exactly the remainder.
    const int onLastPage = (total - 1) % DebugLog::PageLines + 1;
    EXPECT_EQ(log.lineCount(), onLastPage);
    const QStringList lines = linesOf(log);
    ASSERT_EQ(lines.size(), onLastPage);
    for (const QString& line : lines)
        EXPECT_TRUE(line.startsWith(u"writer ")) << line.toStdString();
}

} // namespace
} // namespace verbalink
