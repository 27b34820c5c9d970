#pragma once

#include "PrivateBus.h"
#include "SimProcess.h"

#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace verbalink::testing {

// The real verbalink executable on a private bus with the simulator, offscreen, in a home and
// settings folder of its own; the simulator logs the commands and messages it sees there.
class ProgramTestFixture : public ::testing::Test {
protected:
    void SetUp() override;

    static QString readFile(const QString& path);
    QString path(QStringView relative) const { return m_home.path() + u'/' + relative; }
    QString commandLog() const { return path(u"commands.log"); }
    QString messagesLog() const { return path(u"messages.log"); }
    QString settingsFile() const { return path(u"config/Verbalink/Verbalink.conf"); }
    bool messagesShow(const QString& line);
    void writeSettings(const QByteArray& text);
    // A verbalink process with this test's bus, home and settings; its log is collected.
    std::unique_ptr<QProcess> launch(const QStringList& arguments = {});
    bool logShows(const QString& text, int timeoutMs = 15000);

    QTemporaryDir m_home;
    PrivateBus m_bus;
    std::unique_ptr<SimProcess> m_sim;
    QString m_log;
    // Set in the launched program's environment over the fixture's own values.
    QHash<QString, QString> m_env;
};

} // namespace verbalink::testing
