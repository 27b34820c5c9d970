#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace verbalink::testing {

// verbalink-skype-sim running on a given bus, driven through its standard input.
class SimProcess {
public:
    explicit SimProcess(const QString& busAddress);
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;
    ~SimProcess();

    // Starts it and waits until it owns the API name.
    bool start(const QStringList& arguments, QString& error);
    // The simulator's unique bus name, as it announced it.
    QString uniqueName() const { return m_uniqueName; }
    void directive(const QString& line);
    qint64 pid() const { return m_process.processId(); }
    bool waitForExit(int timeoutMs);
    // Ends it at once with SIGKILL, as a crash would.
    void kill();
    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }

private:
    QString m_busAddress;
    QProcess m_process;
    QString m_uniqueName;
};

} // namespace verbalink::testing
