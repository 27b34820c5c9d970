#include "ui/MessageViewDialog.h"

#include "WaitFor.h"
#include "extras/MessageList.h"

#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>
#include <thread>

using namespace verbalink;

namespace {

QStringList shownLines(const MessageViewDialog& view)
{
    QStringList lines;
    const auto* list = view.findChild<QListWidget*>();
    for (int i = 0; i < list->count(); ++i)
        lines.append(list->item(i)->text());
    return lines;
}

} // namespace

TEST(MessageViewDialog, FollowsItsListWhileOpenAndClearsIt)
{
    MessageList list;
    list.add(QStringLiteral("Bob"), QStringLiteral("one"), QTime(10, 0, 1));
    MessageViewDialog view(list, MessageViewDialog::Kind::Decrypted);
    EXPECT_EQ(view.windowTitle(), QStringLiteral("Verbalink Encrypted Messages"));
    EXPECT_FALSE(view.isOpen());

    view.openView();
    EXPECT_TRUE(view.isOpen());
    EXPECT_TRUE(view.isVisible());
    EXPECT_EQ(shownLines(view), QStringList{QStringLiteral("[10:00:01 , Bob] one")});

    // Added from a worker, shown through the queued refresh, newest first.
    std::thread([&] {
        list.add(QStringLiteral("Eve"), QStringLiteral("two"), QTime(10, 0, 2));
    }).join();
    ASSERT_TRUE(waitFor([&] { return shownLines(view).size() == 2; }));
    EXPECT_EQ(shownLines(view).first(), QStringLiteral("[10:00:02 , Eve] two"));

    view.findChild<QPushButton*>(QStringLiteral("clearAll"))->click();
    EXPECT_TRUE(list.lines().isEmpty());
    ASSERT_TRUE(waitFor([&] { return shownLines(view).isEmpty(); }));

    view.findChild<QPushButton*>(QStringLiteral("close"))->click();
    EXPECT_FALSE(view.isOpen());
    EXPECT_FALSE(view.isVisible());
    list.add(QStringLiteral("Bob"), QStringLiteral("three"));
    QApplication::processEvents();
    EXPECT_FALSE(view.isVisible()) << "a closed view stays closed";
}

TEST(MessageViewDialog, ActivatingALineShowsItInABox)
{
    MessageList list;
    list.add(QStringLiteral("Bob"), QStringLiteral("hola"), QTime(8, 1, 2));
    MessageViewDialog view(list, MessageViewDialog::Kind::Translated);
    EXPECT_EQ(view.windowTitle(), QStringLiteral("Translated Incomming Messages"));
    view.openView();
    auto* lines = view.findChild<QListWidget*>();

    // Nothing selected: no box.
    Q_EMIT lines->itemActivated(lines->item(0));
    EXPECT_EQ(view.findChild<QMessageBox*>(), nullptr);

    lines->setCurrentRow(0);
    Q_EMIT lines->itemActivated(lines->item(0));
    auto* box = view.findChild<QMessageBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Incoming Message Text"));
    EXPECT_EQ(box->text(), QStringLiteral("[08:01:02 , Bob] hola"));
    EXPECT_FALSE(box->isModal() && box->windowModality() == Qt::ApplicationModal);
    box->accept();
    EXPECT_TRUE(view.isOpen()) << "the box leaves the view open";
}
