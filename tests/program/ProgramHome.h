#pragma once

#include <QByteArray>
#include <QHash>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace verbalink::testing {

// A home for the real verbalink executable in a test: its own home, settings and runtime
// folders under a temporary folder, the test's bus, offscreen. The log of every start is
// collected in one place.
class ProgramHome {
public:
    explicit ProgramHome(const QString& busAddress);

    QString path(QStringView relative) const { return m_home.path() + u'/' + relative; }
    QString settingsFile() const { return path(u"config/Verbalink/Verbalink.conf"); }
    bool writeSettings(const QByteArray& text) const;

    // Starts verbalink with this home; stop it with terminate() and a wait.
    std::unique_ptr<QProcess> launch(const QStringList& arguments = {});
    const QString& log() const { return m_log; }
    void clearLog() { m_log.clear(); }
    bool logShows(const QString& text, int timeoutMs = 15000) const;
    // Later starts run this executable instead of the one in the build folder.
    void setExecutable(const QString& path) { m_executable = path; }
    // Set in the environment of later starts, over the home's own values.
    void setEnvironment(const QString& name, const QString& value) { m_env.insert(name, value); }

private:
    QTemporaryDir m_home;
    QString m_busAddress;
    QString m_log;
    QString m_executable = QStringLiteral(VERBALINK_EXECUTABLE);
    QHash<QString, QString> m_env;
};

} // namespace verbalink::testing
