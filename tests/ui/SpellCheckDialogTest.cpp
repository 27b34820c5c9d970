// The spell-check dialog with Debian's en_US dictionary, typed into with QtTest, and the prompt
// that opens it for the message worker.

#include "ui/SpellCheckDialog.h"

#include "WaitFor.h"
#include "langtools/SpellChecker.h"
#include "ui/SpellCheckEdit.h"
#include "ui/SpellCheckPrompt.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

namespace verbalink {
namespace {

class SpellCheckDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(m_checker.load("/usr/share/hunspell/en_US.aff", "/usr/share/hunspell/en_US.dic"),
                  SpellChecker::LoadResult::Loaded);
    }
    static QStringList underlined(SpellCheckEdit& editor)
    {
        QStringList words;
        for (const QTextEdit::ExtraSelection& mark : editor.extraSelections())
            words << mark.cursor.selectedText();
        return words;
    }
    static void select(SpellCheckEdit& editor, int start, int length)
    {
        QTextCursor cursor = editor.textCursor();
        cursor.setPosition(start);
        cursor.setPosition(start + length, QTextCursor::KeepAnchor);
        editor.setTextCursor(cursor);
    }
    // Runs the action on the dialog once it is shown: the dialog's own event loop runs it.
    static void whenDialogOpens(const std::function<void(SpellCheckDialog&)>& action)
    {
        auto* poll = new QTimer(qApp);
        QObject::connect(poll, &QTimer::timeout, poll, [poll, action] {
            auto* dialog = qobject_cast<SpellCheckDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            poll->deleteLater();
            poll->stop();
            action(*dialog);
        });
        poll->start(10);
    }

    SpellChecker m_checker;
};

TEST_F(SpellCheckDialogTest, ControlTabCyclesSuggestionsAndReleaseUnderlinesAgain)
{
    SpellCheckDialog dialog(m_checker, QStringLiteral("Ths is\nteh wrng"));
    EXPECT_EQ(dialog.windowTitle(), u"Verbalink Spellcheck (en_US.dic)");
    SpellCheckEdit& editor = dialog.editor();
    EXPECT_EQ(underlined(editor), (QStringList{u"Ths"_qs, u"teh"_qs, u"wrng"_qs}));

    const QStringList ring = m_checker.suggestions(QStringLiteral("teh")).words();
    ASSERT_GE(ring.size(), 3);
    select(editor, 7, 8); // "teh wrng": only "teh" is replaced
    QTest::keyPress(&editor, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(editor.toPlainText(), u"Ths is\n" + ring[1] + u" wrng");
    EXPECT_EQ(editor.textCursor().selectedText(), ring[1]);
    // CTRL stays down (QTest's release would let it go too).
    QTest::keyPress(&editor, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(editor.toPlainText(), u"Ths is\n" + ring[2] + u" wrng");
    // Releasing CTRL ends the cycle: the underlines follow the new text.
    QTest::keyRelease(&editor, Qt::Key_Control, Qt::NoModifier);
    EXPECT_EQ(underlined(editor), (QStringList{u"Ths"_qs, u"wrng"_qs}));

    // Nothing selected: nothing changes, and no tab is typed.
    select(editor, 3, 0);
    QTest::keyPress(&editor, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(editor.toPlainText(), u"Ths is\n" + ring[2] + u" wrng");

    // Typing renews the underlines when the key is released.
    editor.moveCursor(QTextCursor::Start);
    QTest::keyClick(&editor, Qt::Key_Right);
    QTest::keyClick(&editor, Qt::Key_H);
    QTest::keyClick(&editor, Qt::Key_Delete);
    QTest::keyClick(&editor, Qt::Key_I);
    EXPECT_EQ(editor.toPlainText().left(4), u"This");
    EXPECT_EQ(underlined(editor), QStringList{u"wrng"_qs});
}

TEST_F(SpellCheckDialogTest, UndoBringsBackTheWordControlTabReplaced)
{
    SpellCheckDialog dialog(m_checker, QStringLiteral("Ths is\r\nteh wrng"));
    SpellCheckEdit& editor = dialog.editor();
    const QString typed = editor.toPlainText();
    const QStringList ring = m_checker.suggestions(QStringLiteral("teh")).words();
    ASSERT_GE(ring.size(), 3);
    for (int presses : {1, 2}) {
        SCOPED_TRACE(presses);
        select(editor, 7, 3);
        for (int i = 0; i < presses; ++i)
            QTest::keyPress(&editor, Qt::Key_Tab, Qt::ControlModifier);
        QTest::keyRelease(&editor, Qt::Key_Control, Qt::NoModifier);
        EXPECT_EQ(editor.toPlainText(), u"Ths is\n" + ring[presses] + u" wrng");
        // One undo takes back the whole cycle, whatever the presses.
        QTest::keyClick(&editor, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(editor.toPlainText(), typed);
        QTest::keyClick(&editor, Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(editor.toPlainText(), u"Ths is\n" + ring[presses] + u" wrng");
        QTest::keyClick(&editor, Qt::Key_Z, Qt::ControlModifier);
    }
}

TEST_F(SpellCheckDialogTest, SendKeepsTheMessagesOwnLineBreaksAndLeavesAnUntouchedTextAlone)
{
    const QString teh = m_checker.suggestions(QStringLiteral("teh")).words().value(1);
    const auto correctTeh = [](SpellCheckEdit& editor) {
        const qsizetype at = editor.toPlainText().indexOf(u"teh");
        select(editor, int(at), 3);
        QTest::keyPress(&editor, Qt::Key_Tab, Qt::ControlModifier);
        QTest::keyRelease(&editor, Qt::Key_Control, Qt::NoModifier);
    };
    const auto addLine = [](SpellCheckEdit& editor) {
        editor.moveCursor(QTextCursor::End);
        QTest::keyClick(&editor, Qt::Key_Return);
        QTest::keyClicks(&editor, QStringLiteral("ok"));
    };
    const std::function<void(SpellCheckEdit&)> untouched = [](SpellCheckEdit&) {
    };
    const struct {
        QString message;
        std::function<void(SpellCheckEdit&)> edit;
        QString sent;
    } cases[] = {
        {u"Ths is\r\nteh wrng"_qs, untouched, u"Ths is\r\nteh wrng"_qs},
        {u"wrng\u00a0here\r\n\r\nand\rmixed\nbreaks"_qs, untouched,
         u"wrng\u00a0here\r\n\r\nand\rmixed\nbreaks"_qs},
        {u"Ths is\r\nteh\u00a0wrng"_qs, correctTeh, u"Ths is\r\n" + teh + u"\u00a0wrng"},
        {u"teh\nwrng"_qs, correctTeh, teh + u"\nwrng"},
        {u"wrng"_qs, addLine, u"wrng\r\nok"_qs},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        SpellCheckDialog dialog(m_checker, c.message);
        c.edit(dialog.editor());
        QTest::mouseClick(&dialog.sendButton(), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.resultText(), c.sent);
    }
}

TEST_F(SpellCheckDialogTest, SendGivesTheWholeEditedTextAndCheckRefreshes)
{
    const QString longText = QString(1500, u'a') + u" end";
    SpellCheckDialog dialog(m_checker, longText);
    dialog.editor().setPlainText(longText + u" wrng");
    QTest::mouseClick(&dialog.checkButton(), Qt::LeftButton);
    EXPECT_EQ(underlined(dialog.editor()).size(), 2);
    QTest::mouseClick(&dialog.sendButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.resultText(), longText + u" wrng");
}

TEST_F(SpellCheckDialogTest, PromptOpensTheDialogForTheWorkerAndWaitsForTheAnswer)
{
    SpellCheckPrompt prompt(m_checker);
    EXPECT_EQ(prompt.check(QStringLiteral("All correct here")), u"All correct here");

    const struct {
        bool send;
        QString answer;
    } cases[] = {{true, QStringLiteral("This is wrong")}, {false, QStringLiteral("Ths is wrng")}};
    for (const auto& c : cases) {
        QString answer;
        whenDialogOpens([&c](SpellCheckDialog& dialog) {
            dialog.editor().setPlainText(QStringLiteral("This is wrong"));
            QTest::mouseClick(c.send ? &dialog.sendButton() : &dialog.cancelButton(),
                              Qt::LeftButton);
        });
        std::atomic<bool> answered{false};
        std::thread worker([&] {
            answer = prompt.check(QStringLiteral("Ths is wrng"));
            answered = true;
        });
        EXPECT_TRUE(waitFor([&] { return answered.load(); }, 10000));
        worker.join();
        EXPECT_EQ(answer, c.answer);
    }

    // Closed at exit: a worker waiting for a dialog that never came gets its text back.
    prompt.close();
    EXPECT_EQ(prompt.check(QStringLiteral("Ths is wrng")), u"Ths is wrng");
}

} // namespace
} // namespace verbalink
