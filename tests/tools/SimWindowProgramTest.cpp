// The chat window with the simulator on a private bus, as `verbalink-skype-sim --window` runs
// them, first with a stand-in client, then with the real verbalink executable; and the windowed
// executable itself.

#include "ApiBusService.h"
#include "ApiCommandLog.h"
#include "ChatMessageModel.h"
#include "ChatStatusLine.h"
#include "ChatWindow.h"
#include "EventWait.h"
#include "PrivateBus.h"
#include "ProgramHome.h"
#include "SimProcess.h"
#include "SimScriptRunner.h"
#include "SimWindowController.h"
#include "SkypeSimulator.h"
#include "TranslationTestService.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingReply>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace verbalink::desktopapi;
using namespace verbalink::sim;
using verbalink::test::TranslationTestService;
using verbalink::testing::PrivateBus;
using verbalink::testing::ProgramHome;
using verbalink::testing::SimProcess;
using verbalink::testing::waitUntil;
using Role = ChatMessageModel::Role;

namespace {

class SimWindowProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QString error;
        ASSERT_TRUE(m_bus.start(error)) << qPrintable(error);
        ASSERT_TRUE(m_log.open({}, false));
        m_service = std::make_unique<ApiBusService>(m_simulator.api(), m_log, m_bus.connect());
        ASSERT_TRUE(m_service->start(error)) << qPrintable(error);
        m_runner = std::make_unique<SimScriptRunner>(m_simulator, *m_service);
        m_controller = std::make_unique<SimWindowController>(m_simulator, *m_service, *m_runner);
        m_controller->show();
    }

    ChatWindow& window() { return m_controller->window(); }
    ChatStatusLine& status() { return *window().statusLine(); }
    void feed(const QStringList& lines)
    {
        for (const QString& line : lines)
            m_runner->feed(line);
    }
    QVariant shown(int row, int role) { return window().shownMessages()->index(row, 0).data(role); }
    int shownCount() { return window().shownMessages()->rowCount(); }
    // Enter in a line of the window, as the user presses it.
    static void typeInto(QLineEdit* line, const QString& text)
    {
        // QTest types ASCII only; the text goes in as pasted, Enter is pressed.
        line->insert(text);
        QTest::keyClick(line, Qt::Key_Return);
    }

    PrivateBus m_bus;
    SkypeSimulator m_simulator;
    ApiCommandLog m_log;
    std::unique_ptr<ApiBusService> m_service;
    std::unique_ptr<SimScriptRunner> m_runner;
    std::unique_ptr<SimWindowController> m_controller;
};

} // namespace

TEST_F(SimWindowProgramTest, AScriptWaitsForAClientAndTheStatusLineFollowsIt)
{
    feed({u"user lucia es Lucía Fernández"_s, u"wait-attach"_s, u"receive lucia ¡Hola!"_s});
    EXPECT_EQ(window().shownConversation(), u"lucia"_s);
    EXPECT_EQ(status().attachText(), u"Waiting for a program to attach"_s);
    waitUntil([] { return false; }, 300);
    EXPECT_EQ(shownCount(), 0) << "the greeting went out before anyone attached";
    // What the user types does not wait behind the script.
    typeInto(window().messageInput(), u"Anyone there?"_s);
    ASSERT_EQ(shownCount(), 1);
    EXPECT_TRUE(shown(0, Role::OwnRole).toBool());

    // A client of the test's own attaches; the greeting follows at once.
    QString connectionName;
    QString uniqueName;
    {
        const QDBusConnection client = m_bus.connect();
        connectionName = client.name();
        uniqueName = client.baseService();
        QDBusMessage name = QDBusMessage::createMethodCall(u"com.Skype.API"_s, u"/com/Skype"_s,
                                                           u"com.Skype.API"_s, u"Invoke"_s);
        name << u"NAME Tester"_s;
        // Asked without blocking: the simulator answers on this very thread.
        const QDBusPendingReply<QString> attached = client.asyncCall(name);
        ASSERT_TRUE(waitUntil([&] { return attached.isFinished(); }));
        ASSERT_EQ(attached.value(), u"OK"_s);
    }
    ASSERT_TRUE(waitUntil([&] { return shownCount() == 2; }));
    EXPECT_EQ(shown(1, Role::BodyRole).toString(), u"¡Hola!"_s);
    EXPECT_EQ(shown(1, Role::AuthorNameRole).toString(), u"Lucía Fernández"_s);
    EXPECT_FALSE(shown(1, Role::OwnRole).toBool());
    EXPECT_EQ(status().attachText(), u"Tester attached ("_s + uniqueName + u')');
    EXPECT_EQ(status().lastCommand(), u"NAME Tester"_s);

    // The client leaves the bus: nobody is attached any more.
    QDBusConnection::disconnectFromBus(connectionName);
    EXPECT_TRUE(waitUntil([&] { return status().attachText() == u"No program attached"_s; }));
    EXPECT_TRUE(m_simulator.state().attachedApp.isEmpty());
}

TEST_F(SimWindowProgramTest, TheHeaderCallsTheShownContactAndHangsUp)
{
    feed(
        {u"user lucia es Lucía Fernández"_s, u"user jordi ca Jordi Puig"_s, u"call 1 jordi - -"_s});
    window().showConversation(u"lucia"_s);
    auto* button = window().findChild<QPushButton*>(u"callButton"_s);
    ASSERT_TRUE(button);
    EXPECT_EQ(button->text(), u"Call"_s);

    // Id 1 is the script's call with Jordi, still going.
    button->click();
    EXPECT_EQ(m_simulator.calls().inProgressWith(u"lucia"_s), u"2"_s);
    EXPECT_EQ(button->text(), u"Hang up"_s);
    window().showConversation(u"jordi"_s);
    EXPECT_EQ(button->text(), u"Hang up"_s);
    feed({u"call-end 1"_s});
    EXPECT_EQ(button->text(), u"Call"_s);

    window().showConversation(u"lucia"_s);
    button->click();
    EXPECT_TRUE(m_simulator.calls().inProgressWith(u"lucia"_s).isEmpty());
    EXPECT_EQ(button->text(), u"Call"_s);
    button->click();
    EXPECT_EQ(m_simulator.calls().inProgressWith(u"lucia"_s), u"3"_s);

    // The group chat has nobody to call.
    feed({u"receive-group lucia hi"_s});
    window().showConversation(QString());
    EXPECT_FALSE(button->isVisible());
}

TEST_F(SimWindowProgramTest, TheProgramReplacesWhatIsTypedAndTranslatesWhatIsReceived)
{
    TranslationTestService translation;
    ASSERT_TRUE(translation.listening());
    const QByteArray host = translation.hostPort();
    ProgramHome home(m_bus.address());
    // Typed messages go into German with flags; received ones into English, into the chat.
    ASSERT_TRUE(home.writeSettings("[Software\\Verbalink]\nToLang=32831\nTranslateIncoming=33272\n"
                                   "[Software\\Verbalink\\Hosts]\nGoogle=" +
                                   host + "\nGoogleTranslate=" + host + "\n"));
    feed({u"user lucia es Lucía Fernández"_s, u"user jordi ca Jordi Puig"_s});
    QSignalSpy commands(m_service.get(), &ApiBusService::commandReceived);
    auto program = home.launch();
    ASSERT_TRUE(waitUntil([&] {
        return !commands.isEmpty() && commands.last().value(0) == u"GET UI_LANGUAGE"_s;
    })) << qPrintable(home.log());
    EXPECT_TRUE(status().attachText().startsWith(u"Verbalink attached ("_s));
    EXPECT_EQ(status().lastCommand(), u"GET UI_LANGUAGE"_s);

    // The user types "Hello" to Lucía; the program replaces it with the text and its translation.
    window().showConversation(u"lucia"_s);
    typeInto(window().messageInput(), u"Hello"_s);
    ASSERT_EQ(shownCount(), 1);
    EXPECT_EQ(shown(0, Role::BodyRole).toString(), u"Hello"_s);
    EXPECT_TRUE(waitUntil([&] { return shown(0, Role::ReplacedRole).toBool(); }));
    EXPECT_EQ(shown(0, Role::BodyRole).toString(), u"Hello\r\n( (flag:de)  [de] Hello )"_s);
    EXPECT_EQ(shown(0, Role::TypedBodyRole).toString(), u"Hello"_s);
    EXPECT_TRUE(shown(0, Role::OwnRole).toBool());
    EXPECT_EQ(shown(0, Role::ProgramRole).toString(), u"Verbalink"_s);

    // Lucía writes; the program posts its translation into the chat after her message.
    typeInto(window().contactInput(), u"Hola amigo"_s);
    ASSERT_TRUE(waitUntil([&] { return shownCount() == 3; })) << qPrintable(home.log());
    EXPECT_EQ(shown(1, Role::BodyRole).toString(), u"Hola amigo"_s);
    EXPECT_EQ(shown(1, Role::AuthorRole).toString(), u"lucia"_s);
    EXPECT_FALSE(shown(1, Role::OwnRole).toBool());
    EXPECT_FALSE(shown(1, Role::ReplacedRole).toBool());
    const QString translated = shown(2, Role::BodyRole).toString();
    EXPECT_TRUE(translated.endsWith(u"] [en] Hola amigo"_s)) << qPrintable(translated);
    EXPECT_TRUE(shown(2, Role::PostedRole).toBool());
    EXPECT_TRUE(shown(2, Role::OwnRole).toBool());

    // Nothing of it reached Jordi's conversation.
    window().showConversation(u"jordi"_s);
    EXPECT_EQ(shownCount(), 0);

    program->terminate();
    ASSERT_TRUE(waitUntil([&] { return program->state() == QProcess::NotRunning; }));
    EXPECT_TRUE(waitUntil([&] { return status().attachText() == u"No program attached"_s; }));
}

TEST_F(SimWindowProgramTest, TheWindowedExecutableStepsAsideOrFollowsItsScript)
{
    // This test's simulator owns the name already, as a real client would.
    QProcess second;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, m_bus.address());
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    second.setProcessEnvironment(environment);
    second.start(QStringLiteral(SKYPE_SIM_EXECUTABLE), {u"--window"_s});
    ASSERT_TRUE(second.waitForFinished(15000));
    EXPECT_EQ(second.exitCode(), 1);
    EXPECT_TRUE(second.readAllStandardError().contains("owned by another process"));
    EXPECT_FALSE(second.readAllStandardOutput().contains("ready"));

    // On a bus of its own the window runs its script, and the messages file follows as ever.
    PrivateBus own;
    QString error;
    ASSERT_TRUE(own.start(error)) << qPrintable(error);
    QTemporaryDir folder;
    const QString script = folder.filePath(u"window.sim"_s);
    const QString messages = folder.filePath(u"messages.log"_s);
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("user bob de Bob Brown\ntype bob Hello from the script\n");
    file.close();
    SimProcess windowed(own.address());
    ASSERT_TRUE(
        windowed.start({u"--window"_s, u"--script"_s, script, u"--messages"_s, messages}, error))
        << qPrintable(error);
    EXPECT_TRUE(waitUntil([&] {
        QFile log(messages);
        return log.open(QIODevice::ReadOnly) &&
               QRegularExpression(
                   uR"(^NEW 1 typed #alice/\$bob;\S+ alice Hello from the script$)"_s,
                   QRegularExpression::MultilineOption)
                   .match(QString::fromUtf8(log.readAll()))
                   .hasMatch();
    }));
}
