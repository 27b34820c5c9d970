#pragma once

#include "PrivateBus.h"
#include "ProgramHome.h"
#include "SimProcess.h"
#include "VirtualDisplay.h"

#include <QProcess>
#include <gtest/gtest.h>
#include <memory>

namespace verbalink::testing {

// The real verbalink executable on a private bus with the simulator, in a home of its own
// (ProgramHome); the simulator logs the commands and messages it sees there.
class ProgramTestFixture : public ::testing::Test {
protected:
    void SetUp() override;

    static QString readFile(const QString& path);
    QString path(QStringView relative) const { return m_program->path(relative); }
    QString commandLog() const { return path(u"commands.log"); }
    QString messagesLog() const { return m_messagesLog; }
    QString settingsFile() const { return m_program->settingsFile(); }
    // Waits until the messages log has this line.
    bool messagesShow(const QString& line, int timeoutMs = 15000);
    // Starts a simulator on the test's bus, logging messages to `messagesFile` (relative).
    bool startSim(QStringView messagesFile, const QStringList& extraArguments = {});
    // Waits until the program has attached (its last attach command reached the simulator).
    bool attached();
    // Ends the program with SIGTERM; true when it left normally with 0.
    static bool terminate(QProcess& program);
    // Starts the display and runs later launches on it (X11, not offscreen). Only the tests
    // that call it link VirtualDisplay.
    bool showOn(VirtualDisplay& display)
    {
        QString error;
        if (!display.start(error)) {
            ADD_FAILURE() << qPrintable(error);
            return false;
        }
        m_program->setEnvironment(QStringLiteral("DISPLAY"), display.name());
        m_program->setEnvironment(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        return true;
    }
    void writeSettings(const QByteArray& text) { ASSERT_TRUE(m_program->writeSettings(text)); }
    std::unique_ptr<QProcess> launch(const QStringList& arguments = {})
    {
        return m_program->launch(arguments);
    }
    const QString& log() const { return m_program->log(); }
    bool logShows(const QString& text, int timeoutMs = 15000)
    {
        return m_program->logShows(text, timeoutMs);
    }

    PrivateBus m_bus;
    std::unique_ptr<ProgramHome> m_program;
    std::unique_ptr<SimProcess> m_sim;
    QString m_messagesLog;
};

} // namespace verbalink::testing
