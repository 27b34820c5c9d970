#include "audio/CallAudioConnection.h"

#include <gtest/gtest.h>

namespace verbalink {
namespace {

QByteArray pattern(qsizetype size, char first)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char(first + i % 7);
    return bytes;
}

TEST(CallAudioConnectionTest, KeepsWhatFitsInOrderAndDropsWholeSamples)
{
    int wakes = 0;
    CallAudioConnection connection([&] { ++wakes; });
    const QByteArray first = pattern(CallAudioConnection::Capacity - 3, 'a');
    EXPECT_EQ(connection.append(first), first.size());
    EXPECT_EQ(wakes, 1);
    // Three bytes of room: the fourth is dropped, and so is the next byte to keep samples whole.
    EXPECT_EQ(connection.append("wxyz"), 3);
    EXPECT_EQ(connection.dropped(), 1);
    EXPECT_EQ(connection.take(first.size()), first);
    EXPECT_EQ(connection.take(), "wxy");
    EXPECT_EQ(connection.append("!AB"), 2);
    EXPECT_EQ(connection.dropped(), 2);
    EXPECT_EQ(connection.take(1), "A");
    EXPECT_EQ(connection.take(), "B");
    EXPECT_EQ(connection.take(), "");
    EXPECT_EQ(wakes, 2);

    connection.append("abcdef");
    EXPECT_EQ(connection.drainInto([](const char*, qsizetype size) { return size - 2; }), 4);
    EXPECT_EQ(connection.take(), "ef");
    connection.markClosed();
    connection.append("gh");
    EXPECT_FALSE(connection.isOpen());
    EXPECT_EQ(wakes, 3) << "a closed connection no longer wakes its server";
}

TEST(CallAudioConnectionTest, TheVoiceChangerTakesTheNewestWholeSamplesItHasNotSeen)
{
    struct Case {
        QByteArray held;
        qsizetype max;
        bool keep;
        QByteArray copied;
        qsizetype recordable; // what the recorder may take afterwards
        qsizetype left;
    };
    const Case cases[] = {
        {"0123456789", 100, false, "0123456789", 0, 0},
        {"0123456789", 4, false, "6789", 0, 0},
        // A half sample at the end waits for its other byte; an odd limit takes whole samples.
        {"0123456789a", 5, false, "6789", 1, 1},
        // The recorder keeps everything, the passed-over bytes too.
        {"0123456789", 4, true, "6789", 10, 10},
    };
    for (const Case& c : cases) {
        CallAudioConnection connection;
        connection.append(c.held);
        QByteArray copied(100, '\0');
        copied.resize(connection.takeUnseen(copied.data(), c.max, c.keep));
        EXPECT_EQ(copied, c.copied) << c.held.constData() << ' ' << c.max;
        EXPECT_EQ(connection.recordable(), c.recordable) << c.held.constData();
        EXPECT_EQ(connection.held(), c.left) << c.held.constData();
        // Nothing is seen twice.
        EXPECT_EQ(connection.takeUnseen(copied.data(), c.max, c.keep), 0);
    }
}

} // namespace
} // namespace verbalink
