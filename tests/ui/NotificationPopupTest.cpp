// The popup on a private X server, used with the pointer and keyboard as a user would.

#include "ui/NotificationPopup.h"

#include "DisplayTestMain.h"
#include "WaitFor.h"
#include "extras/PopupStack.h"

#include <QApplication>
#include <QLineEdit>
#include <gtest/gtest.h>

using namespace verbalink;

namespace {

class NotificationPopupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_typing.show();
        m_typing.activateWindow();
        m_typing.setFocus();
        ASSERT_TRUE(waitFor([&] { return m_typing.hasFocus(); }));
    }
    // A popup grown to its full size above a panel 28 pixels high.
    std::unique_ptr<NotificationPopup> grownPopup()
    {
        auto popup = std::make_unique<NotificationPopup>(
            PopupContent{QStringLiteral("hello there"), QStringLiteral("Bob"), QString()}, QImage(),
            128, m_stack, NotificationPopup::Screen{ScreenArea, QRect(0, 0, 640, 452)});
        popup->start();
        EXPECT_TRUE(waitFor([&] { return popup->width() == 128; }));
        return popup;
    }

    static constexpr QRect ScreenArea{0, 0, 640, 480};
    QLineEdit m_typing;
    std::shared_ptr<PopupStack> m_stack = std::make_shared<PopupStack>();
};

TEST_F(NotificationPopupTest, ShowsWithoutTakingTheKeyboardAndAClickClosesIt)
{
    const std::unique_ptr<NotificationPopup> popup = grownPopup();
    EXPECT_EQ(popup->geometry(), QRect(512, 452 - 62, 128, 62));
    EXPECT_EQ(m_stack->size(), 1);
    EXPECT_TRUE(m_typing.hasFocus());
    EXPECT_EQ(QApplication::activeWindow(), &m_typing);

    ASSERT_TRUE(verbalink::testing::testDisplay().click(popup->geometry().center()));
    EXPECT_TRUE(waitFor([&] { return !popup->isVisible(); }));
    EXPECT_TRUE(m_typing.hasFocus());
    // Its place stays taken until its time is over.
    EXPECT_EQ(m_stack->size(), 1);
}

TEST_F(NotificationPopupTest, EscapeClosesItWhereTheDesktopGivesItTheKeyboard)
{
    const std::unique_ptr<NotificationPopup> popup = grownPopup();
    // While the user types, Escape is theirs.
    ASSERT_TRUE(verbalink::testing::testDisplay().press(QStringLiteral("Escape")));
    waitFor([] { return false; }, 200);
    EXPECT_TRUE(popup->isVisible());

    ASSERT_TRUE(verbalink::testing::testDisplay().focus(popup->winId()));
    ASSERT_TRUE(verbalink::testing::testDisplay().press(QStringLiteral("Escape")));
    EXPECT_TRUE(waitFor([&] { return !popup->isVisible(); }));
}

} // namespace
