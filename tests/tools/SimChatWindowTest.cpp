// The chat window's widgets offscreen, over models of a simulator in the test's own process.

#include "ChatMessageModel.h"
#include "ChatRosterModel.h"
#include "ChatStatusLine.h"
#include "ChatTextBlock.h"
#include "ChatWindow.h"
#include "SimAvatar.h"
#include "SkypeSimulator.h"
#include "WaitFor.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace verbalink::desktopapi;
using namespace verbalink::sim;
using verbalink::waitFor;

namespace {

class SimChatWindowTest : public ::testing::Test {
protected:
    SimChatWindowTest()
    {
        m_simulator.chats().addListener(
            [this](ApiMessageChange change, const ApiChatMessage& message) {
                m_messages.record(change, message);
            });
        run(u"user lucia es Lucía Fernández"_s);
        run(u"user jordi ca Jordi Puig"_s);
    }

    void run(const QString& line)
    {
        m_simulator.apply(SimDirectiveParser::parse(line).directive);
        m_roster.refresh();
    }
    // The window is made once the roster is filled, as the controller makes it.
    ChatWindow& window()
    {
        if (!m_window)
            m_window = std::make_unique<ChatWindow>(m_roster, m_messages);
        return *m_window;
    }
    QStringList shownBodies()
    {
        QStringList bodies;
        const QAbstractItemModel* shown = window().shownMessages();
        for (int row = 0; row < shown->rowCount(); ++row)
            bodies.append(shown->index(row, 0).data(ChatMessageModel::BodyRole).toString());
        return bodies;
    }
    // A signal's arguments as one readable line.
    static std::string arguments(const QList<QVariant>& signal)
    {
        QStringList texts;
        for (const QVariant& argument : signal)
            texts.append(argument.toString());
        return texts.join(u'|').toStdString();
    }
    static void typeInto(QLineEdit* line, const QString& text)
    {
        // QTest types ASCII only; the text goes in as pasted, Enter is pressed.
        line->insert(text);
        QTest::keyClick(line, Qt::Key_Return);
    }

    SkypeSimulator m_simulator;
    ChatMessageModel m_messages{m_simulator.api()};
    ChatRosterModel m_roster{m_simulator.api(), m_messages};
    std::unique_ptr<ChatWindow> m_window;
};

} // namespace

TEST_F(SimChatWindowTest, BothLinesHandTheirTextOnForTheShownConversation)
{
    QSignalSpy typed(&window(), &ChatWindow::userTyped);
    QSignalSpy wrote(&window(), &ChatWindow::contactWrote);
    // The first contact is shown at first.
    EXPECT_EQ(window().shownConversation(), u"lucia"_s);

    typeInto(window().messageInput(), u" Hola, ¿qué tal? "_s);
    ASSERT_EQ(typed.size(), 1);
    EXPECT_EQ(arguments(typed.at(0)), "lucia| Hola, ¿qué tal? ");
    EXPECT_TRUE(window().messageInput()->text().isEmpty());
    // A blank line sends nothing and is left as it is.
    typeInto(window().messageInput(), u"   "_s);
    EXPECT_EQ(typed.size(), 1);
    EXPECT_EQ(window().messageInput()->text(), u"   "_s);
    window().messageInput()->clear();

    typeInto(window().contactInput(), u"Muy bien"_s);
    ASSERT_EQ(wrote.size(), 1);
    EXPECT_EQ(arguments(wrote.at(0)), "lucia|lucia|Muy bien");

    // In the group chat the chosen contact writes.
    window().showConversation({});
    EXPECT_TRUE(window().shownConversation().isEmpty());
    window().groupAuthor()->setCurrentIndex(1);
    typeInto(window().contactInput(), u"Bon dia"_s);
    typeInto(window().messageInput(), u"Morning"_s);
    ASSERT_EQ(wrote.size(), 2);
    EXPECT_EQ(arguments(wrote.at(1)), "|jordi|Bon dia");
    EXPECT_EQ(arguments(typed.at(1)), "|Morning");
    EXPECT_EQ(window().groupAuthor()->count(), 2);
}

TEST_F(SimChatWindowTest, TheFirstContactIsShownUntilTheUserPicks)
{
    // The window comes up before the script has added anyone.
    SkypeSimulator later;
    ChatMessageModel messages(later.api());
    ChatRosterModel roster(later.api(), messages);
    ChatWindow window(roster, messages);
    EXPECT_TRUE(window.shownConversation().isEmpty());
    // A group chat without contacts has nobody to write in it.
    EXPECT_FALSE(window.contactInput()->isEnabled());
    EXPECT_TRUE(window.messageInput()->isEnabled());

    later.apply(SimDirectiveParser::parse(u"user lucia es"_s).directive);
    roster.refresh();
    EXPECT_EQ(window.shownConversation(), u"lucia"_s);
    EXPECT_TRUE(window.contactInput()->isEnabled());

    window.showConversation({});
    later.apply(SimDirectiveParser::parse(u"user jordi ca"_s).directive);
    roster.refresh();
    EXPECT_TRUE(window.shownConversation().isEmpty());
    EXPECT_TRUE(window.contactInput()->isEnabled());
}

TEST_F(SimChatWindowTest, ShowsTheChosenConversationAsItChanges)
{
    run(u"receive lucia Hola"_s);
    run(u"receive jordi Bon dia"_s);
    run(u"type-group Hi all"_s);
    EXPECT_EQ(shownBodies(), QStringList{u"Hola"_s});
    run(u"type lucia Hi"_s);
    EXPECT_EQ(shownBodies(), (QStringList{u"Hola"_s, u"Hi"_s}));
    m_simulator.chats().setMessage(u"4 BODY Hi\r\n( [es] Hola )"_s);
    EXPECT_EQ(shownBodies(), (QStringList{u"Hola"_s, u"Hi\r\n( [es] Hola )"_s}));

    window().showConversation(u"jordi"_s);
    EXPECT_EQ(shownBodies(), QStringList{u"Bon dia"_s});
    window().showConversation({});
    EXPECT_EQ(shownBodies(), QStringList{u"Hi all"_s});
    // An unknown conversation leaves the shown one alone.
    window().showConversation(u"nobody"_s);
    EXPECT_EQ(shownBodies(), QStringList{u"Hi all"_s});
}

TEST_F(SimChatWindowTest, ABubbleGrowsWhenItsBodyIsReplaced)
{
    window().resize(700, 500);
    window().show();
    run(u"type lucia Hello"_s);
    const auto* chat = window().findChild<QListView*>(u"chatView"_s);
    ASSERT_NE(chat, nullptr);
    const QModelIndex first = chat->model()->index(0, 0);
    ASSERT_TRUE(waitFor([&] { return chat->visualRect(first).height() > 0; }));
    const int before = chat->visualRect(first).height();

    m_simulator.chats().setMessage(u"1 BODY Hello\r\n( (flag:es)  [es] Hola )"_s);
    EXPECT_TRUE(waitFor([&] { return chat->visualRect(first).height() > before; }))
        << before << " " << chat->visualRect(first).height();
}

TEST_F(SimChatWindowTest, FollowsTheNewestMessageUnlessScrolledBack)
{
    window().resize(700, 400);
    window().show();
    for (int i = 0; i < 30; ++i)
        run(u"receive lucia Mensaje "_s + QString::number(i));
    auto* chat = window().findChild<QListView*>(u"chatView"_s);
    ASSERT_NE(chat, nullptr);
    QScrollBar* bar = chat->verticalScrollBar();
    ASSERT_TRUE(waitFor([&] { return bar->maximum() > 0 && bar->value() == bar->maximum(); }));

    // Someone reading older messages is left there when a new one comes.
    bar->setValue(0);
    run(u"receive lucia Otro"_s);
    waitFor([] { return false; }, 100);
    EXPECT_EQ(bar->value(), 0);

    // Coming back to the conversation shows its newest message.
    window().showConversation(u"jordi"_s);
    window().showConversation(u"lucia"_s);
    EXPECT_TRUE(waitFor([&] { return bar->value() == bar->maximum() && bar->maximum() > 0; }));
}

// Which halves of a row hold a colour, as painted.
struct Sides {
    bool left = false;
    bool right = false;
};

Sides sidesOf(const QImage& image, const QRect& row, const QColor& colour)
{
    Sides sides;
    const QRgb wanted = colour.rgb() & RGB_MASK;
    for (int y = row.top(); y <= row.bottom(); ++y) {
        for (int x = row.left(); x <= row.right(); ++x) {
            if ((image.pixel(x, y) & RGB_MASK) != wanted)
                continue;
            (x < row.center().x() ? sides.left : sides.right) = true;
        }
    }
    return sides;
}

TEST_F(SimChatWindowTest, OwnBubblesSitRightAndOthersLeftWithTheirPicture)
{
    window().resize(700, 500);
    window().show();
    run(u"receive lucia Hola"_s);
    run(u"type lucia Hello there"_s);
    QCoreApplication::processEvents();
    const auto* chat = window().findChild<QListView*>(u"chatView"_s);
    ASSERT_NE(chat, nullptr);
    const QRect received = chat->visualRect(chat->model()->index(0, 0));
    const QRect typed = chat->visualRect(chat->model()->index(1, 0));
    ASSERT_TRUE(received.isValid() && typed.isValid());
    const QImage painted = chat->viewport()->grab().toImage();

    const QColor ownFill(0x2f, 0x6f, 0xed);
    const Sides own = sidesOf(painted, typed, ownFill);
    EXPECT_TRUE(own.right);
    EXPECT_FALSE(own.left);
    EXPECT_FALSE(sidesOf(painted, received, ownFill).right);
    // Lucía's picture is beside her bubble, on the left.
    const Sides picture = sidesOf(painted, received, SimAvatar::colourOf(u"lucia"_s));
    EXPECT_TRUE(picture.left);
    EXPECT_FALSE(picture.right);
}

TEST(SimStatusLineTest, ShowsTheAttachStateAndTheLastCommandOnOneLine)
{
    ChatStatusLine status;
    status.resize(900, 30);
    EXPECT_EQ(status.attachText(), u"Waiting for a program to attach"_s);
    status.setAttached(u"Verbalink"_s, u":1.42"_s);
    EXPECT_EQ(status.attachText(), u"Verbalink attached (:1.42)"_s);
    status.setAttached({}, u":1.43"_s);
    EXPECT_EQ(status.attachText(), u"A program attached (:1.43)"_s);
    status.setDetached();
    EXPECT_EQ(status.attachText(), u"No program attached"_s);

    const QString command = u"SET CHATMESSAGE 1 BODY Hi\r\n( [de] Hallo )"_s;
    status.setLastCommand(command);
    EXPECT_EQ(status.lastCommand(), command);
    const auto* shown = status.findChild<QLabel*>(u"lastCommand"_s);
    ASSERT_NE(shown, nullptr);
    EXPECT_FALSE(shown->text().contains(u'\n'));
    EXPECT_TRUE(shown->toolTip().endsWith(u"Hi\\r\\n( [de] Hallo )"_s))
        << qPrintable(shown->toolTip());
}

TEST(SimTextBlockTest, BreaksLinesAtLineEndsAndLongWordsAnywhere)
{
    const QFont font;
    const int line = QFontMetrics(font).lineSpacing();
    const ChatTextBlock oneLine(u"Hello"_s, font, 300);
    EXPECT_LE(oneLine.size().height(), line + 1);
    EXPECT_GT(oneLine.size().width(), 0);

    // CR LF, CR and LF each end a line.
    const ChatTextBlock lines(u"a\r\nb\rc\nd"_s, font, 300);
    EXPECT_GE(lines.size().height(), 4 * line - 4);
    EXPECT_LE(lines.size().height(), 4 * line + 4);

    // An encrypted body is one long word: it still keeps to the width.
    const ChatTextBlock cipher(QString(3000, u'Q'), font, 200);
    EXPECT_LE(cipher.size().width(), 200);
    EXPECT_GT(cipher.size().height(), 10 * line);
}
