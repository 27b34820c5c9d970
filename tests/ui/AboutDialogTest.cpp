#include "ui/AboutDialog.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QLabel>
#include <QTimer>
#include <gtest/gtest.h>

namespace verbalink {
namespace {

TEST(AboutDialogTest, ShowsNameAndVersionAndClosesWithItsButton)
{
    AboutDialog dialog;
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        texts << label->text();
    EXPECT_TRUE(texts.contains(u"Verbalink for Skype"));
    EXPECT_TRUE(texts.filter(u"2.60"_qs).size() == 1) << texts.join(u'|').toStdString();

    const auto buttons = dialog.findChildren<QAbstractButton*>();
    ASSERT_EQ(buttons.size(), 1);
    QTimer::singleShot(0, buttons.first(), &QAbstractButton::click);
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
}

} // namespace
} // namespace verbalink
