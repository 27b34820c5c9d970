#include "extras/PopupAnimation.h"
#include "extras/PopupContentSource.h"
#include "extras/PopupLayout.h"
#include "extras/PopupStack.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace verbalink;

TEST(PopupLayout, SizesLinesAndCut)
{
    const QString tenChars(10, u'x');
    const QString longText(300, u'y');
    const QString withFeeds = QStringLiteral("one\ntwo\nthree\nfour");
    struct Case {
        const char* what;
        QString message;
        QSize picture;
        int size;
        int width, lines, height;
        QString text;
    };
    const Case cases[] = {
        {"name, colon and message: 17 characters",
         tenChars,
         {},
         128,
         128,
         2,
         62,
         u"Alice: " + tenChars},
        {"too long: five lines and cut",
         longText,
         {},
         128,
         128,
         5,
         110,
         QString(u"Alice: " + longText).left(140) + u"..."},
        {"line feeds add lines", withFeeds, {}, 256, 256, 5, 110, u"Alice: " + withFeeds},
        {"line feeds with a picture", withFeeds, {256, 192}, 256, 256, 4, 192, withFeeds},
        {"picture keeps its proportions", tenChars, {256, 192}, 128, 128, 1, 96, tenChars},
        {"sizes snap down", tenChars, {100, 100}, 200, 128, 1, 128, tenChars},
        {"a thin tall picture stays on screen", tenChars, {2, 10000}, 96, 96, 1, 384, tenChars},
        {"popups off", tenChars, {}, 0, 0, 0, 0, QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const PopupLayout layout =
            layoutPopup(c.message, QStringLiteral("Alice"), c.picture, c.size);
        EXPECT_EQ(layout.width, c.width);
        EXPECT_EQ(layout.lines, c.lines);
        EXPECT_NEAR(layout.height, c.height, 1);
        EXPECT_EQ(layout.textBoxHeight, 16 * c.lines);
        EXPECT_EQ(layout.text, c.text);
    }
}

TEST(PopupLayout, CutKeepsSurrogatePairsWhole)
{
    // "B: " and 136 characters, then an emoji across the 140th position.
    const QString text =
        QString(136, u'a') + QString::fromUtf8("\xF0\x9F\x98\x80") + u"tail" + QString(200, u'b');
    const PopupLayout layout = layoutPopup(text, QStringLiteral("B"), {}, 96);
    EXPECT_EQ(layout.text, u"B: " + QString(136, u'a') + u"...");
}

TEST(PopupStack, LaterPopupsStackAndCloseTheGap)
{
    PopupStack stack;
    const quint64 first = stack.push(62, 768);
    const quint64 second = stack.push(96, 768);
    const quint64 third = stack.push(96, 768);
    EXPECT_EQ(stack.offsetOf(first), 0);
    EXPECT_EQ(stack.offsetOf(second), 62);
    EXPECT_EQ(stack.offsetOf(third), 158);

    stack.remove(first, 768);
    EXPECT_EQ(stack.offsetOf(first), std::nullopt);
    EXPECT_EQ(stack.offsetOf(second), 0);
    EXPECT_EQ(stack.offsetOf(third), 96);
    stack.remove(first, 768); // gone already: nothing moves
    EXPECT_EQ(stack.offsetOf(third), 96);

    // One that does not fit on the screen any more starts again at the edge.
    const quint64 tall = stack.push(600, 768);
    EXPECT_EQ(stack.offsetOf(tall), 0);
    stack.remove(second, 768);
    EXPECT_EQ(stack.offsetOf(third), 0);
    EXPECT_EQ(stack.offsetOf(tall), 96);
    EXPECT_EQ(stack.size(), 2);
}

TEST(PopupAnimation, GrowsFromThePanelHoldsAndFades)
{
    const QRect screen(0, 0, 1024, 768);
    struct Case {
        const char* what;
        QRect available;
        QRect full;
        // The side of the popup that stays put while it grows.
        int (QRect::*fixed)() const;
    };
    const Case cases[] = {
        {"bottom panel", {0, 0, 1024, 740}, {896, 740 - 96 - 30, 128, 96}, &QRect::bottom},
        {"no panel", screen, {896, 768 - 25 - 96 - 30, 128, 96}, &QRect::bottom},
        {"top panel", {0, 28, 1024, 740}, {896, 28 + 30, 128, 96}, &QRect::top},
        {"right panel", {0, 0, 990, 768}, {990 - 128, 768 - 96 - 30, 128, 96}, &QRect::right},
        {"left panel", {40, 0, 984, 768}, {40, 768 - 96 - 30, 128, 96}, &QRect::left},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PopupAnimation animation(
            PopupMotion(screen, PanelPlace::find(screen, c.available), QSize(128, 96)));
        std::vector<PopupAnimation::Frame> frames;
        while (const auto frame = animation.next(30))
            frames.push_back(*frame);
        ASSERT_EQ(frames.size(), 64u + 300u + 128u);
        EXPECT_EQ(frames[0].opacity, 0.0);
        EXPECT_EQ(frames[10].geometry.size(), QSize(20, 15));
        EXPECT_EQ((frames[10].geometry.*c.fixed)(), (c.full.*c.fixed)());
        EXPECT_LT(frames[63].opacity, 1.0);
        EXPECT_EQ(frames[63].durationMs, 2);
        EXPECT_EQ(frames[64].geometry, c.full);
        EXPECT_EQ(frames[64].opacity, 1.0);
        EXPECT_EQ(frames[364].opacity, 1.0);
        EXPECT_EQ(frames[364].durationMs, 10);
        EXPECT_NEAR(frames.back().opacity, 1.0 / 255, 1e-9);
    }
}

TEST(PopupContentSource, AsksForPicturesOnceAndAgainAfterAMissingOne)
{
    QTemporaryDir folder;
    int contactRefreshes = 0;
    int avatarRefreshes = 0;
    bool known = false;
    PopupContentSource source(
        folder.path(), {[&] { return known; }, [&] { return ++contactRefreshes, known = true; },
                        [&](const QString& path) {
                            EXPECT_EQ(path, folder.path());
                            ++avatarRefreshes;
                        },
                        [](const QString& handle) {
                            return handle == u"bob" ? QStringLiteral("Bob Builder") : QString();
                        }});
    QFile picture(folder.filePath(QStringLiteral("bob.jpg")));
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
    picture.close();

    PopupContent content = source.prepare(QStringLiteral("hi"), QStringLiteral("bob"));
    EXPECT_EQ(content.senderName, QStringLiteral("Bob Builder"));
    EXPECT_EQ(content.picturePath, picture.fileName());
    EXPECT_EQ(contactRefreshes, 1);
    EXPECT_EQ(avatarRefreshes, 1);

    source.prepare(QStringLiteral("again"), QStringLiteral("bob"));
    EXPECT_EQ(avatarRefreshes, 1) << "pictures are asked for once";

    // No picture: the sender's handle as name, and the next popup asks again.
    content = source.prepare(QStringLiteral("hi"), QStringLiteral("carol"));
    EXPECT_EQ(content.senderName, QStringLiteral("carol"));
    EXPECT_TRUE(content.picturePath.isEmpty());
    EXPECT_EQ(avatarRefreshes, 1);
    source.prepare(QStringLiteral("hi"), QStringLiteral("bob"));
    EXPECT_EQ(avatarRefreshes, 2);
    EXPECT_EQ(contactRefreshes, 1);

    // A handle is never a path out of the folder.
    content = source.prepare(QStringLiteral("hi"), QStringLiteral("../bob"));
    EXPECT_TRUE(content.picturePath.isEmpty());
}
