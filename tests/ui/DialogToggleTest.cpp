#include "ui/DialogToggle.h"

#include <QCoreApplication>
#include <QDialog>
#include <QPointer>
#include <gtest/gtest.h>

namespace verbalink {
namespace {

TEST(DialogToggle, OpensClosesAndOpensAnewAfterTheUserClosedIt)
{
    DialogToggle toggle;
    int built = 0;
    auto make = [&] {
        ++built;
        return new QDialog;
    };
    EXPECT_TRUE(toggle.toggle(make));
    QPointer<QWidget> first = toggle.dialog();
    ASSERT_TRUE(first && first->isVisible());

    // The command again closes it, and the closed dialog is gone.
    EXPECT_FALSE(toggle.toggle(make));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_FALSE(toggle.isOpen());

    // Closed by the user, the next command builds a new one.
    EXPECT_TRUE(toggle.toggle(make));
    toggle.dialog()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(toggle.toggle(make));
    EXPECT_EQ(built, 3);
}

TEST(DialogToggle, AnOpenDialogGoesWithItsOwner)
{
    QPointer<QWidget> dialog;
    {
        DialogToggle toggle;
        toggle.toggle([] { return new QDialog; });
        dialog = toggle.dialog();
    }
    EXPECT_TRUE(dialog.isNull());
}

} // namespace
} // namespace verbalink
