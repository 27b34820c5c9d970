#include "ui/NotificationPopup.h"

#include "WaitFor.h"
#include "extras/PopupStack.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace verbalink;

TEST(NotificationPopup, ShowsWithoutTakingTheFocusAndEscapeClosesIt)
{
    QLineEdit typing;
    typing.show();
    typing.activateWindow();
    typing.setFocus();
    ASSERT_TRUE(waitFor([&] { return typing.hasFocus(); }));

    auto stack = std::make_shared<PopupStack>();
    const QRect screen(0, 0, 1024, 768);
    NotificationPopup popup({QStringLiteral("hello there"), QStringLiteral("Bob"), QString()},
                            QImage(), 128, stack, {screen, QRect(0, 0, 1024, 740)});
    popup.start();
    EXPECT_TRUE(popup.isVisible());
    EXPECT_EQ(stack->size(), 1);
    // Grown to full size above the panel.
    ASSERT_TRUE(waitFor([&] { return popup.width() == 128; }));
    EXPECT_EQ(popup.geometry(), QRect(896, 740 - 62, 128, 62));
    EXPECT_TRUE(typing.hasFocus());
    EXPECT_EQ(QApplication::activeWindow(), &typing);

    QTest::keyClick(&popup, Qt::Key_Escape);
    EXPECT_FALSE(popup.isVisible());
    EXPECT_TRUE(typing.hasFocus());
    // Its place stays taken until its time is over.
    EXPECT_EQ(stack->size(), 1);
}
