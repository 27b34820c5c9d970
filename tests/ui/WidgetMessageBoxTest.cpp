#include "ui/WidgetMessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace verbalink {
namespace {

struct Shown {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString caption;
    QString text;
};

// Answers the next box once it is up (its own event loop runs this), noting what it showed.
void answerNextBox(Shown& shown, QMessageBox::StandardButton answer)
{
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, &shown, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll->deleteLater();
        poll->stop();
        shown = {box->icon(), box->windowTitle(), box->text()};
        box->button(answer)->click();
    });
    poll->start(10);
}

TEST(WidgetMessageBox, ShowsTheIconItIsAskedFor)
{
    using Icon = MessageBoxPort::Icon;
    WidgetMessageBox boxes;
    const struct {
        Icon icon;
        QMessageBox::Icon shown;
    } cases[] = {{Icon::None, QMessageBox::NoIcon},
                 {Icon::Information, QMessageBox::Information},
                 {Icon::Question, QMessageBox::Question},
                 {Icon::Error, QMessageBox::Critical}};
    for (const auto& c : cases) {
        Shown ok;
        answerNextBox(ok, QMessageBox::Ok);
        boxes.showMessage(QStringLiteral("Text"), QStringLiteral("Caption"), c.icon);
        EXPECT_EQ(ok.icon, c.shown);
        EXPECT_EQ(ok.caption, QStringLiteral("Caption"));

        Shown question;
        answerNextBox(question, QMessageBox::Yes);
        EXPECT_TRUE(boxes.askYesNo(QStringLiteral("Go?"), QStringLiteral("Caption"), c.icon));
        EXPECT_EQ(question.icon, c.shown);
        EXPECT_EQ(question.text, QStringLiteral("Go?"));
    }
    // Unsaid, an OK box has none and a question the question mark.
    Shown plain;
    answerNextBox(plain, QMessageBox::Ok);
    MessageBoxPort& port = boxes;
    port.showMessage(QStringLiteral("Text"), QStringLiteral("Caption"));
    EXPECT_EQ(plain.icon, QMessageBox::NoIcon);
    Shown asked;
    answerNextBox(asked, QMessageBox::No);
    EXPECT_FALSE(port.askYesNo(QStringLiteral("Go?"), QStringLiteral("Caption")));
    EXPECT_EQ(asked.icon, QMessageBox::Question);
}

} // namespace
} // namespace verbalink
