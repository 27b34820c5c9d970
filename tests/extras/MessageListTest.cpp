#include "extras/MessageList.h"

#include <gtest/gtest.h>
#include <thread>
#include <vector>

using namespace verbalink;

TEST(MessageList, NewestFirstAndTheFiftyFirstPushesTheOldestOut)
{
    MessageList list;
    int changes = 0;
    QObject::connect(&list, &MessageList::changed, [&] { ++changes; });
    for (int i = 1; i <= 51; ++i)
        list.add(QStringLiteral("Bob"), QString::number(i), QTime(9, 5, 7));
    const QStringList lines = list.lines();
    ASSERT_EQ(lines.size(), 50);
    EXPECT_EQ(lines.first(), QStringLiteral("[09:05:07 , Bob] 51"));
    EXPECT_EQ(lines.last(), QStringLiteral("[09:05:07 , Bob] 2"));
    EXPECT_EQ(changes, 51);
    list.clear();
    EXPECT_TRUE(list.lines().isEmpty());
}

TEST(MessageList, ConcurrentAddsKeepTheBound)
{
    MessageList list;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < 500; ++i)
                list.add(QStringLiteral("x"), QString::number(i));
        });
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(list.lines().size(), 50);
}
