#pragma once

#include "PrivateBus.h"
#include "SimProcess.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace verbalink::test {

// The real verbalink executable with a home of its own, on a private bus with the simulator
// (which logs every command and every message), offscreen.
class ProgramFixture : public ::testing::Test {
protected:
    void SetUp() override;

    QString path(QStringView relative) const { return m_home.path() + u'/' + relative; }
    QString commandLog() const { return path(u"commands.log"); }
    QString messagesLog() const { return m_messagesLog; }
    QString settingsFile() const { return path(u"config/Verbalink/Verbalink.conf"); }
    static QString readFile(const QString& path);

    // Waits until the messages log has this line.
    bool messagesShow(const QString& line, int timeoutMs = 15000);
    void writeSettings(const QByteArray& text);
    // Starts a simulator on the test's bus, logging messages to `messagesFile` (relative).
    bool startSim(QStringView messagesFile);

    // A verbalink process with this test's bus, home and settings; its log is collected.
    std::unique_ptr<QProcess> launch(const QStringList& arguments = {});
    // Waits until the program has attached (its fourth attach command reached the simulator).
    bool attached();
    bool logShows(const QString& text, int timeoutMs = 15000);
    // Ends the program with SIGTERM; true when it left normally with 0.
    static bool terminate(QProcess& program);

    QTemporaryDir m_home;
    testing::PrivateBus m_bus;
    std::unique_ptr<testing::SimProcess> m_sim;
    QString m_messagesLog;
    QString m_log;
};

} // namespace verbalink::test
