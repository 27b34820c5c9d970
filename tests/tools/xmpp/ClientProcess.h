#pragma once

#include <QHash>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <chrono>
#include <functional>

namespace verbalink::testing {

// verbalink-xmpp as a test starts it: on a given session bus, with a settings folder and a
// password file of its own and its --messages file; directives go to its standard input.
class ClientProcess {
public:
    static constexpr std::chrono::milliseconds kWait = std::chrono::seconds(30);

    ClientProcess(QString busAddress, QString password);
    ClientProcess(const ClientProcess&) = delete;
    ClientProcess& operator=(const ClientProcess&) = delete;
    ~ClientProcess();

    // Starts it with the account options and waits for its "ready" line. Without the password
    // file it finds the password itself (the secret store, the first start's dialog), and the
    // test waits for "ready".
    bool start(const QStringList& arguments, QString& error, bool withPasswordFile = true);
    // Set in the environment of later starts (a display, say).
    void setEnvironment(const QString& name, const QString& value) { m_env.insert(name, value); }
    // Its settings folder, $XDG_CONFIG_HOME.
    QString configFolder() const { return m_home.filePath(QStringLiteral("config")); }
    // Ends it and waits until it has.
    void stop();
    void directive(const QString& line);
    // Waits for a line of standard output that starts with the prefix; the rest of it.
    std::optional<QString> waitForOutput(const QString& prefix,
                                         std::chrono::milliseconds timeout = kWait);
    // The --messages file's lines, and a wait for one that matches.
    // Waits until its standard error (commands with --verbose, log lines) holds the text.
    bool waitForLog(const QString& text, std::chrono::milliseconds timeout = kWait);
    QStringList messageLines() const;
    std::optional<QString> waitForMessageLine(const std::function<bool(const QString&)>& match,
                                              std::chrono::milliseconds timeout = kWait);
    QString uniqueName() const { return m_uniqueName; }
    QString errors() const { return m_errors; }

private:
    QString m_busAddress;
    QHash<QString, QString> m_env;
    QTemporaryDir m_home;
    QProcess m_process;
    QString m_uniqueName;
    QStringList m_output;
    QString m_errors;
};

} // namespace verbalink::testing
