#include "ui/TranslationFilterDialog.h"

#include "FakeMessageBox.h"
#include "translate/filter/TranslationFilter.h"
#include "translate/filter/TranslationFilterForm.h"
#include "ui/UserSettingsDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <gtest/gtest.h>

namespace verbalink {
namespace {

using namespace Qt::StringLiterals;

class TranslationFilterDialogTest : public ::testing::Test {
protected:
    QString stored = u"bob|de,alice"_s;
    TranslationFilterStore store{[this] { return stored; },
                                 [this](const QString& text) {
                                     stored = text;
                                     return true;
                                 }};
    // bob is "Bob Smith", carol "Carol"; alice has no full name.
    TranslationFilterForm::Contacts contacts{[](const QString& name) {
                                                 if (name == u"bob"_s || name == u"Bob Smith"_s)
                                                     return u"Bob Smith"_s;
                                                 if (name == u"carol"_s || name == u"Carol"_s)
                                                     return u"Carol"_s;
                                                 return name == u"alice"_s ? name : QString();
                                             },
                                             [](const QString& name) {
                                                 if (name == u"bob"_s || name == u"Bob Smith"_s)
                                                     return u"bob"_s;
                                                 if (name == u"carol"_s || name == u"Carol"_s)
                                                     return u"carol"_s;
                                                 return name == u"alice"_s ? name : QString();
                                             }};
    test::FakeMessageBox boxes;
    TranslationFilter filter;
    TranslationFilterForm form{filter, store, contacts, boxes};
    const QStringList entries{u"Bob Smith"_s, u"alice"_s, u"Carol"_s};

    void SetUp() override { filter.load(store); }

    static QPushButton* button(QWidget& dialog, const QString& text)
    {
        for (QPushButton* candidate : dialog.findChildren<QPushButton*>())
            if (candidate->text() == text)
                return candidate;
        return nullptr;
    }

    static QStringList lines(QDialog& dialog)
    {
        QStringList result;
        const auto* list = dialog.findChild<QListWidget*>();
        for (int i = 0; i < list->count(); ++i)
            result.append(list->item(i)->text());
        return result;
    }

    static QStringList labels(QWidget& dialog)
    {
        QStringList result;
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            result.append(label->text());
        return result;
    }
};

TEST_F(TranslationFilterDialogTest, ShowsTheControlsTheContactsAndTheRules)
{
    TranslationFilterDialog dialog(form, entries);
    EXPECT_EQ(dialog.windowTitle(), u"Verbalink User Translation Filter"_s);
    const auto* combo = dialog.findChild<QComboBox*>();
    ASSERT_NE(combo, nullptr);
    EXPECT_TRUE(combo->isEditable());
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->currentText(), u"Bob Smith"_s);
    EXPECT_EQ(lines(dialog), QStringList({u"Bob Smith\t -> German"_s, u"alice\t -> DISABLED"_s}));
    for (const QString& text : {u"User:"_s, u"Set active translation language for user"_s,
                                u"Double click to edit user settings"_s})
        EXPECT_TRUE(labels(dialog).contains(text)) << text.toStdString();
    for (const QString& text : {u"Add"_s, u"Remove"_s, u"Remove All"_s, u"Close"_s})
        EXPECT_NE(button(dialog, text), nullptr) << text.toStdString();
    EXPECT_TRUE(button(dialog, u"Close"_s)->isDefault());
}

TEST_F(TranslationFilterDialogTest, AddAndRemoveThroughTheButtons)
{
    TranslationFilterDialog dialog(form, entries);
    auto* combo = dialog.findChild<QComboBox*>();
    combo->setCurrentIndex(2);
    button(dialog, u"Add"_s)->click();
    button(dialog, u"Add"_s)->click();
    EXPECT_EQ(lines(dialog).size(), 3);
    EXPECT_EQ(lines(dialog).last(), u"Carol\t -> DISABLED"_s);
    EXPECT_TRUE(filter.isExcluded(u"carol"_s));

    button(dialog, u"Remove"_s)->click();
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes().at(0).text, u"Please, first select an user from the list!"_s);
    EXPECT_EQ(lines(dialog).size(), 3);

    dialog.findChild<QListWidget*>()->setCurrentRow(0);
    button(dialog, u"Remove"_s)->click();
    EXPECT_EQ(lines(dialog), QStringList({u"alice\t -> DISABLED"_s, u"Carol\t -> DISABLED"_s}));
    EXPECT_TRUE(filter.perUserLanguage(u"bob"_s).isEmpty());
}

TEST_F(TranslationFilterDialogTest, DoubleClickEditsTheLanguageInUserSettings)
{
    TranslationFilterDialog dialog(form, entries);
    auto* list = dialog.findChild<QListWidget*>();
    QString seenTitle;
    QString seenUser;
    QString seenLanguage;
    // The User settings dialog runs modally; answer it once it is up.
    QTimer::singleShot(0, &dialog, [&] {
        auto* settings = qobject_cast<UserSettingsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(settings, nullptr);
        seenTitle = settings->windowTitle();
        seenUser = settings->findChild<QLabel*>()->text();
        auto* languages = settings->findChild<QComboBox*>();
        seenLanguage = languages->currentText();
        EXPECT_EQ(languages->count(), 65);
        languages->setCurrentIndex(languages->findText(u"French"_s));
        button(*settings, u"Apply"_s)->click();
    });
    list->setCurrentRow(1);
    Q_EMIT list->itemDoubleClicked(list->item(1));
    EXPECT_EQ(seenTitle, u"Verbalink: User settings"_s);
    EXPECT_EQ(seenUser, u"alice"_s);
    EXPECT_EQ(seenLanguage, u"DISABLED"_s);
    EXPECT_EQ(lines(dialog), QStringList({u"Bob Smith\t -> German"_s, u"alice\t -> French"_s}));
    EXPECT_EQ(filter.perUserLanguage(u"alice"_s), "fr");

    // Cancel leaves the rule and the line as they were.
    QTimer::singleShot(0, &dialog, [&] {
        auto* settings = qobject_cast<UserSettingsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(settings, nullptr);
        EXPECT_EQ(settings->findChild<QComboBox*>()->currentText(), u"German"_s);
        settings->findChild<QComboBox*>()->setCurrentIndex(0);
        settings->reject();
    });
    list->setCurrentRow(0);
    Q_EMIT list->itemDoubleClicked(list->item(0));
    EXPECT_EQ(lines(dialog), QStringList({u"Bob Smith\t -> German"_s, u"alice\t -> French"_s}));
    EXPECT_EQ(filter.perUserLanguage(u"bob"_s), "de");
}

TEST_F(TranslationFilterDialogTest, ClosingStoresTheRulesAndReportsTheCheckMark)
{
    {
        TranslationFilterDialog dialog(form, entries);
        QSignalSpy closed(&dialog, &TranslationFilterDialog::filterClosed);
        dialog.reject(); // Esc stores as Close does
        ASSERT_EQ(closed.size(), 1);
        EXPECT_TRUE(closed.at(0).at(0).toBool());
        EXPECT_EQ(stored, u"alice|00,bob|de"_s);
    }
    TranslationFilterDialog dialog(form, entries);
    QSignalSpy closed(&dialog, &TranslationFilterDialog::filterClosed);
    button(dialog, u"Remove All"_s)->click();
    EXPECT_TRUE(lines(dialog).isEmpty());
    button(dialog, u"Close"_s)->click();
    ASSERT_EQ(closed.size(), 1);
    EXPECT_FALSE(closed.at(0).at(0).toBool());
    EXPECT_EQ(stored, QString());
    EXPECT_FALSE(form.isOpen());
}

} // namespace
} // namespace verbalink
