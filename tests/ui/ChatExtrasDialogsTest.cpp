// The Greetings, Fun&Art and Broadcast dialogs offscreen, with the program's own tables.

#include "WaitFor.h"
#include "extras/GreetingsForm.h"
#include "extras/TextArtPictures.h"
#include "ui/BroadcastDialog.h"
#include "ui/FunArtDialog.h"
#include "ui/GreetingsDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace verbalink {
namespace {

struct Sent {
    QString user;
    QString text;
    bool operator==(const Sent&) const = default;
};

TEST(GreetingsDialogTest, AnOccasionListsItsGreetingsByFirstLineAndSendsTheEditedText)
{
    const GreetingsForm form(GreetingTable::builtIn());
    QList<Sent> sent;
    GreetingsDialog dialog(form, {u"Bob Builder"_qs, u"Carol"_qs},
                           [&](const QString& user, const QString& text) {
                               sent << Sent{user, text};
                           });
    EXPECT_EQ(dialog.windowTitle(), u"Verbalink Greetings");
    ASSERT_EQ(dialog.categories().count(), 7);

    const int halloween = dialog.categories().findText(u"Halloween"_qs);
    ASSERT_GE(halloween, 0);
    dialog.categories().setCurrentIndex(halloween);
    Q_EMIT dialog.categories().activated(halloween);
    ASSERT_EQ(dialog.greetings().count(), 12);
    const QString second = form.text(u"Halloween"_qs, 1);
    EXPECT_EQ(dialog.greetings().itemText(1), second.left(second.indexOf(u'\r')) + u"...");
    dialog.greetings().setCurrentIndex(1);
    Q_EMIT dialog.greetings().activated(1);
    EXPECT_EQ(dialog.text().toPlainText(), QString(second).replace(u"\r\n"_qs, u"\n"_qs));

    // A name typed into the category box that is no occasion changes nothing.
    dialog.categories().setEditable(true);
    dialog.categories().setEditText(u"Easter"_qs);
    Q_EMIT dialog.categories().activated(halloween);
    EXPECT_EQ(dialog.greetings().count(), 12);

    dialog.users().setEditText(u"Bob Builder"_qs);
    dialog.text().appendPlainText(u"Bob"_qs);
    QTest::mouseClick(&dialog.sendButton(), Qt::LeftButton);
    QTest::mouseClick(&dialog.sendButton(), Qt::LeftButton);
    ASSERT_EQ(sent.size(), 2);
    EXPECT_EQ(sent[0], (Sent{u"Bob Builder"_qs, second + u"\r\nBob"}));
    EXPECT_FALSE(dialog.isHidden() && dialog.result() != 0);
}

TEST(FunArtDialogTest, PreviewFollowsTheEffectAndSendNamesIt)
{
    const TextArtPictures pictures = TextArtPictures::builtIn();
    QList<Sent> sent;
    FunArtDialog dialog(pictures, {u"bob"_qs}, [&](const QString& user, const QString& effect) {
        sent << Sent{user, effect};
    });
    EXPECT_EQ(dialog.windowTitle(), u"Verbalink Fun & Art Message");
    ASSERT_EQ(dialog.effects().count(), 22);
    EXPECT_EQ(dialog.preview().toPlainText(),
              pictures.picture(u"Christmas tree"_qs)->replace(u"\r\n"_qs, u"\n"_qs));
    dialog.effects().setCurrentIndex(4);
    Q_EMIT dialog.effects().activated(4);
    EXPECT_EQ(dialog.preview().toPlainText(),
              pictures.picture(u"Cat face"_qs)->replace(u"\r\n"_qs, u"\n"_qs));
    dialog.effects().setEditText(u"Unicorn"_qs);
    Q_EMIT dialog.effects().activated(4);
    EXPECT_TRUE(
        dialog.preview().toPlainText().startsWith(pictures.picture(u"Cat face"_qs)->left(10)));
    dialog.users().setEditText(u"bob"_qs);
    QTest::mouseClick(&dialog.sendButton(), Qt::LeftButton);
    EXPECT_EQ(sent, (QList<Sent>{{u"bob"_qs, u"Unicorn"_qs}}));
}

TEST(BroadcastDialogTest, AnEmptyMessageIsRefusedAndSendingShowsProgressAndCancels)
{
    BroadcastDialog dialog;
    QStringList requested;
    int cancels = 0;
    QObject::connect(&dialog, &BroadcastDialog::sendRequested,
                     [&](const QString& message) { requested << message; });
    QObject::connect(&dialog, &BroadcastDialog::cancelRequested, [&] { ++cancels; });
    dialog.show();

    QString warning;
    QTimer::singleShot(50, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            warning = box->windowTitle() + u'|' + box->text();
            box->accept();
        }
    });
    QTest::mouseClick(&dialog.sendButton(), Qt::LeftButton);
    EXPECT_EQ(warning, u"Warning|Cannot send empty message!");
    EXPECT_TRUE(requested.isEmpty());

    dialog.message().setPlainText(u"Party at\neight"_qs);
    QTest::mouseClick(&dialog.sendButton(), Qt::LeftButton);
    EXPECT_EQ(requested, QStringList{u"Party at\r\neight"_qs});
    EXPECT_EQ(dialog.sendButton().text(), u"Sending...");
    dialog.showProgress(2, 3);
    EXPECT_EQ(dialog.progress().maximum(), 3);
    EXPECT_EQ(dialog.progress().value(), 2);
    QTest::mouseClick(&dialog.closeButton(), Qt::LeftButton);
    EXPECT_EQ(cancels, 1);
}

} // namespace
} // namespace verbalink
